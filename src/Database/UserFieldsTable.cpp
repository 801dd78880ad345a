#include "UserFieldsTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CUserFieldsTable::content::Columns()
{
    return { { u"itable", &itable }, { u"name", &name }, { u"type", &type } };
}

CUserFieldsTable::CUserFieldsTable()
    : CTable(u"user_fields", u"(itable INTEGER NOT NULL,name TEXT NOT NULL,type INTEGER NOT NULL);")
{
}

void CUserFieldsTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ", u" SET type=? WHERE itable=? AND name=?", { record.type, record.itable, record.name }),
        record);
}

IResult* CUserFieldsTable::Select(IDatabase* database)
{
    return SelectAndReset(
        database, KeyedRequest(u"SELECT * FROM ", u"itable", record.itable, 0, record.name), record, *this);
}

void CUserFieldsTable::Insert(IDatabase* database)
{
    RunAndReset(
        database, Request(u"INSERT INTO ", u" VALUES(?, ?, ?)", { record.itable, record.name, record.type }), record);
}

void CUserFieldsTable::Delete(IDatabase* database)
{
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"itable", record.itable, 0, record.name), record);
}
