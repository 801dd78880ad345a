#include "HarvestsTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CHarvestsTable::content::Columns()
{
    return { { u"id_harvest", &id_harvest }, { u"id_family", &id_family }, { u"date", DateField { &date } }, { u"lot", &lot }, { u"honey_kind", &honey_kind }, { u"note", &note } };
}

CHarvestsTable::CHarvestsTable()
    : CKeyedTable(u"harvests",
        u"(id_harvest INTEGER NOT NULL,id_family INTEGER NOT NULL,date DATE NOT NULL,lot TEXT NULL,"
        u"honey_kind TEXT NULL,note TEXT NULL,PRIMARY KEY(id_harvest ASC AUTOINCREMENT));")
{
}

void CHarvestsTable::DeleteOfFamily(IDatabase* database, std::int32_t idFamily)
{
    RunAndReset(database, Request(u"DELETE FROM ", u" WHERE id_family=?", { idFamily }), record);
}
