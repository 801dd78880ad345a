#include "HousingsTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CHousingsTable::content::Columns()
{
    return { { u"id_housing", &id_housing }, { u"name", &name }, { u"id_family", &id_family },
        { u"type_housing", &type_housing }, { u"type_frame", &type_frame }, { u"is_delete", &is_delete } };
}

CHousingsTable::CHousingsTable()
    : CTable(u"housings",
        u"(id_housing INTEGER NOT NULL,name TEXT NOT NULL,id_family INTEGER NULL,type_housing INTEGER NULL,"
        u"type_frame INTEGER NULL,is_delete BOOL NULL,PRIMARY KEY(id_housing ASC AUTOINCREMENT),"
        u"CONSTRAINT fkTypeHousing\tFOREIGN KEY(type_housing)\tREFERENCES type_housing(id_type)\t"
        u"ON DELETE SET NULL,CONSTRAINT fkTypeFrame\tFOREIGN KEY(type_frame)\tREFERENCES type_frame(id_type)\t"
        u"ON DELETE SET NULL,CONSTRAINT fkHousings\tFOREIGN KEY(id_family)\tREFERENCES families(id_family)\t"
        u"ON DELETE SET NULL);")
{
}

void CHousingsTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ", u" SET is_delete=?, name=?, type_housing=?, id_family=?, type_frame=? WHERE id_housing=?",
            { record.is_delete ? 1 : 0, record.name, record.type_housing, record.id_family, record.type_frame,
                record.id_housing }),
        record);
}

CRequest CHousingsTable::SelectRequest() const
{
    CRequest request = Request(u"SELECT * FROM ", u" WHERE is_delete=0 AND id_family=?", { record.id_family });
    if (record.id_housing != 0)
        request = Request(u"SELECT * FROM ", u" WHERE is_delete=0 AND id_housing=?", { record.id_housing });
    else if (record.id_family == -1)
        request = Request(u"SELECT * FROM ", u" WHERE is_delete=0", {});
    return request;
}

IResult* CHousingsTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CHousingsTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CHousingsTable::Insert(IDatabase* database)
{
    static const std::u16string transaction = u"SET_HOUSING";
    database->BeginTransaction(transaction);
    record.id_housing = InsertReadingKey(database,
        Request(u"INSERT INTO ", u"(name, id_family, type_housing, type_frame, is_delete) VALUES(?, ?, ?, ?, 0)",
            { record.name, record.id_family, record.type_housing, record.type_frame }),
        u"id_housing");
    database->EndTransaction(transaction);
}

void CHousingsTable::Delete(IDatabase* database)
{
    if (record.id_housing == 0) {
        record.Reset();
        return;
    }
    RunAndReset(database, Request(u"UPDATE ", u" SET is_delete=1 WHERE id_housing=?", { record.id_housing }), record);
}
