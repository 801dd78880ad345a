#include "FieldValuesTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CFieldValuesTable::content::Columns()
{
    return { { u"id_record", &id_record }, { u"name", &name }, { u"value", &value }, { u"type", &type } };
}

CFieldValuesTable::CFieldValuesTable()
    : CTable(
        u"field_values", u"(id_record INTEGER NOT NULL,name TEXT NOT NULL,value TEXT NOT NULL,type INTEGER NOT NULL);")
{
}

void CFieldValuesTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(
            u"UPDATE ", u" SET value=? WHERE id_record=? AND name=?", { record.value, record.id_record, record.name }),
        record);
}

IResult* CFieldValuesTable::Select(IDatabase* database)
{
    return SelectAndReset(
        database, KeyedRequest(u"SELECT * FROM ", u"id_record", record.id_record, -1, record.name), record, *this);
}

void CFieldValuesTable::Insert(IDatabase* database)
{
    RunAndReset(database,
        Request(u"INSERT INTO ", u"(id_record, name, value, type) VALUES(?, ?, ?, ?)",
            { record.id_record, record.name, record.value, record.type }),
        record);
}

void CFieldValuesTable::Delete(IDatabase* database)
{
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_record", record.id_record, -1, record.name), record);
}

std::int32_t CFieldValuesTable::GetMaxIdRecord(IDatabase* database)
{
    return ReadMax(database, MaxQuery(u"id_record"));
}
