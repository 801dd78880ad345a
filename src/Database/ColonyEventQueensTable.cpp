#include "ColonyEventQueensTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CColonyEventQueensTable::content::Columns()
{
    return { { u"id_event", &id_event }, { u"id_queen_bee", &id_queen_bee }, { u"fate", &fate },
        { u"created", &created }, { u"id_family_before", &id_family_before },
        { u"is_dead_before", &is_dead_before }, { u"id_family_after", &id_family_after },
        { u"is_dead_after", &is_dead_after } };
}

CColonyEventQueensTable::CColonyEventQueensTable()
    : CTable(u"colony_event_queens",
        u"(id_event INTEGER NOT NULL,id_queen_bee INTEGER NOT NULL,fate INTEGER NOT NULL,created BOOL NOT NULL,"
        u"id_family_before,is_dead_before,id_family_after,is_dead_after,PRIMARY KEY(id_event,id_queen_bee));")
{
}

void CColonyEventQueensTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ",
            u" SET id_family_after=(SELECT id_family FROM queen_bee WHERE id_queen_bee=?), "
            u"is_dead_after=(SELECT is_dead FROM queen_bee WHERE id_queen_bee=?) WHERE id_event=? AND id_queen_bee=?",
            { record.id_queen_bee, record.id_queen_bee, record.id_event, record.id_queen_bee }),
        record);
}

IResult* CColonyEventQueensTable::Select(IDatabase* database)
{
    return SelectAndReset(
        database, KeyedRequest(u"SELECT * FROM ", u"id_event", record.id_event, 0), record, *this);
}

void CColonyEventQueensTable::Insert(IDatabase* database)
{
    RunAndReset(database,
        Request(u"INSERT INTO ", u"(id_event, id_queen_bee, fate, created) VALUES(?, ?, ?, 1)",
            { record.id_event, record.id_queen_bee, record.fate }),
        record);
}

void CColonyEventQueensTable::InsertBefore(IDatabase* database)
{
    RunAndReset(database,
        Request(u"INSERT INTO ",
            u"(id_event, id_queen_bee, fate, created, id_family_before, is_dead_before) "
            u"SELECT ?, id_queen_bee, ?, 0, id_family, is_dead FROM queen_bee WHERE id_queen_bee=?",
            { record.id_event, record.fate, record.id_queen_bee }),
        record);
}

void CColonyEventQueensTable::Delete(IDatabase* database)
{
    if (record.id_event != 0)
        RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_event", record.id_event, 0), record);
}

void CColonyEventQueensTable::DeleteOfFamily(IDatabase* database, std::int32_t idFamily)
{
    RunAndReset(database,
        Request(u"DELETE FROM ", u" WHERE id_event IN (SELECT id_event FROM colony_events WHERE id_family=? AND ifnull(id_other_family, 0)=0)",
            { idFamily }),
        record);
}
