#include "PointsTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CPointsTable::content::Columns()
{
    return { { u"id_point", &id_point }, { u"name", &name }, { u"id_record", &id_record }, { u"note", &note } };
}

CPointsTable::CPointsTable()
    : CTable(u"points",
        u"(id_point INTEGER NOT NULL,name TEXT NOT NULL,note TEXT NULL,id_record INTEGER NULL,"
        u"PRIMARY KEY(id_point ASC AUTOINCREMENT),CONSTRAINT fkPoints\tFOREIGN KEY(id_record)\t"
        u"REFERENCES field_values(id_record)\tON DELETE SET NULL\tON UPDATE SET NULL);")
{
}

void CPointsTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ", u" SET name=?, id_record=?, note=? WHERE id_point=?",
            { record.name, record.id_record, record.note, record.id_point }),
        record);
}

CRequest CPointsTable::SelectRequest() const
{
    return KeyedRequest(u"SELECT * FROM ", u"id_point", record.id_point, 0);
}

IResult* CPointsTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CPointsTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CPointsTable::Insert(IDatabase* database)
{
    record.id_point = InsertReadingKey(database,
        Request(u"INSERT INTO ", u"(name, note, id_record) VALUES(?, ?, ?)",
            { record.name, record.note, record.id_record }),
        u"id_point");
}

void CPointsTable::Delete(IDatabase* database)
{
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_point", record.id_point, 0, record.name), record);
}
