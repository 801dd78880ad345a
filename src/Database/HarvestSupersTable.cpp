#include "HarvestSupersTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CHarvestSupersTable::content::Columns()
{
    return { { u"id_harvest", &id_harvest }, { u"position", &position }, { u"weight", &weight } };
}

CHarvestSupersTable::CHarvestSupersTable()
    : CTable(u"harvest_supers",
        u"(id_harvest INTEGER NOT NULL,position INTEGER NOT NULL,weight REAL NOT NULL,"
        u"PRIMARY KEY(id_harvest,position));")
{
}

CRequest CHarvestSupersTable::SelectRequest() const
{
    if (record.id_harvest == 0)
        return Request(u"SELECT * FROM ", u" ORDER BY id_harvest, position", {});
    return Request(u"SELECT * FROM ", u" WHERE id_harvest=? ORDER BY position", { record.id_harvest });
}

IResult* CHarvestSupersTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CHarvestSupersTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CHarvestSupersTable::Insert(IDatabase* database)
{
    RunAndReset(database,
        Request(u"INSERT INTO ", u"(id_harvest, position, weight) VALUES(?, ?, ?)",
            { record.id_harvest, record.position, record.weight }),
        record);
}

void CHarvestSupersTable::Delete(IDatabase* database)
{
    if (record.id_harvest != 0)
        RunAndReset(database, Request(u"DELETE FROM ", u" WHERE id_harvest=?", { record.id_harvest }), record);
}

void CHarvestSupersTable::DeleteOfFamily(IDatabase* database, std::int32_t idFamily)
{
    RunAndReset(database,
        Request(u"DELETE FROM ", u" WHERE id_harvest IN (SELECT id_harvest FROM harvests WHERE id_family=?)", { idFamily }),
        record);
}
