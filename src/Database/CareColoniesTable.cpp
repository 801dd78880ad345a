#include "CareColoniesTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CCareColoniesTable::content::Columns()
{
    return { { u"kind", &kind }, { u"id_entry", &id_entry }, { u"id_family", &id_family } };
}

CCareColoniesTable::CCareColoniesTable()
    : CTable(u"care_colonies",
        u"(kind INTEGER NOT NULL,id_entry INTEGER NOT NULL,id_family INTEGER NOT NULL,"
        u"PRIMARY KEY(kind,id_entry,id_family));")
{
}

CRequest CCareColoniesTable::SelectRequest() const
{
    if (record.id_entry == 0)
        return Request(u"SELECT * FROM ", u" ORDER BY kind, id_entry, id_family", {});
    return Request(u"SELECT * FROM ", u" WHERE kind=? AND id_entry=? ORDER BY id_family", { record.kind, record.id_entry });
}

IResult* CCareColoniesTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CCareColoniesTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CCareColoniesTable::Insert(IDatabase* database)
{
    RunAndReset(database,
        Request(u"INSERT INTO ", u"(kind, id_entry, id_family) VALUES(?, ?, ?)",
            { record.kind, record.id_entry, record.id_family }),
        record);
}

void CCareColoniesTable::Delete(IDatabase* database)
{
    if (record.id_entry != 0)
        RunAndReset(database, Request(u"DELETE FROM ", u" WHERE kind=? AND id_entry=?", { record.kind, record.id_entry }),
            record);
}

void CCareColoniesTable::DeleteOfFamily(IDatabase* database, std::int32_t idFamily)
{
    RunAndReset(database, Request(u"DELETE FROM ", u" WHERE id_family=?", { idFamily }), record);
}

void CCareColoniesTable::InsertAll(
    IDatabase* database, CareKind kind, std::int32_t idEntry, const std::vector<std::int32_t>& colonies)
{
    for (const std::int32_t idFamily : colonies) {
        CCareColoniesTable table;
        table.record.kind = static_cast<std::int32_t>(kind);
        table.record.id_entry = idEntry;
        table.record.id_family = idFamily;
        table.Insert(database);
    }
}

void CCareColoniesTable::DeleteAll(IDatabase* database, CareKind kind, std::int32_t idEntry)
{
    CCareColoniesTable table;
    table.record.kind = static_cast<std::int32_t>(kind);
    table.record.id_entry = idEntry;
    table.Delete(database);
}
