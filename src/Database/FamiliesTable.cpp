#include "FamiliesTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CFamiliesTable::content::Columns()
{
    return { { u"id_family", &id_family }, { u"name", &name }, { u"id_point", &id_point }, { u"note", &note },
        { u"type", &type }, { u"id_record", &id_record } };
}

CFamiliesTable::CFamiliesTable()
    : CTable(u"families",
        u"(id_family INTEGER NOT NULL,name TEXT NOT NULL,id_point INTEGER NOT NULL,type INTEGER NULL,"
        u"note TEXT NULL,id_record INTEGER NULL,PRIMARY KEY(id_family ASC AUTOINCREMENT),"
        u"CONSTRAINT fkFamiliesPoint\tFOREIGN KEY(id_point)\tREFERENCES points(id_point),"
        u"CONSTRAINT fkFamiliesRecord\tFOREIGN KEY(id_record)\tREFERENCES field_values(id_record)\t"
        u"ON DELETE SET NULL);")
{
}

void CFamiliesTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ", u" SET name=?, id_point=?, type=?, note=?, id_record=? WHERE id_family=?",
            { record.name, record.id_point, record.type, record.note, record.id_record, record.id_family }),
        record);
}

CRequest CFamiliesTable::SelectRequest() const
{
    return FirstKeyRequest(u"SELECT * FROM ", { { u"id_family", record.id_family }, { u"id_point", record.id_point } });
}

IResult* CFamiliesTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CFamiliesTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CFamiliesTable::Insert(IDatabase* database)
{
    record.id_family = InsertReadingKey(database,
        Request(u"INSERT INTO ", u"(name, id_point, type, note, id_record) VALUES(?, ?, ?, ?, ?)",
            { record.name, record.id_point, record.type, record.note, record.id_record }),
        u"id_family");
}

void CFamiliesTable::Delete(IDatabase* database)
{
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_family", record.id_family, 0, record.name), record);
}
