#include "TypeTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CTypeTable::content::Columns()
{
    return { { u"id_type", &id_type }, { u"name", &name } };
}

CTypeTable::CTypeTable(std::u16string name)
    : CTable(std::move(name), u"(id_type INTEGER NULL,name TEXT NOT NULL,PRIMARY KEY(id_type ASC AUTOINCREMENT));")
{
}

void CTypeTable::Update(IDatabase* database)
{
    RunAndReset(database, Request(u"UPDATE ", u" SET name=? WHERE id_type=?", { record.name, record.id_type }), record);
}

CRequest CTypeTable::SelectRequest() const
{
    return KeyedRequest(u"SELECT * FROM ", u"id_type", record.id_type, 0);
}

IResult* CTypeTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CTypeTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CTypeTable::Insert(IDatabase* database)
{
    const std::optional<std::int32_t> largest = QueryMax(database, MaxQuery(u"id_type"));
    // A hive without a type holds 0, so a new dictionary starts at 1; older files keep their type 0.
    record.id_type = largest ? *largest + 1 : 1;
    Run(database, Request(u"INSERT INTO ", u"(id_type, name) VALUES(?, ?)", { record.id_type, record.name }));
}

void CTypeTable::Delete(IDatabase* database)
{
    if (record.id_type == 0) {
        record.Reset();
        return;
    }
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_type", record.id_type, 0), record);
}
