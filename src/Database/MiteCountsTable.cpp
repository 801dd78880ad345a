#include "MiteCountsTable.h"

std::vector<CTable::ColumnBinding> CMiteCountsTable::content::Columns()
{
    return { { u"id_count", &id_count }, { u"id_family", &id_family }, { u"date", DateField { &date } },
        { u"method", &method }, { u"mites", &mites }, { u"sample", &sample }, { u"days", &days }, { u"note", &note } };
}

CMiteCountsTable::CMiteCountsTable()
    : CKeyedTable(u"mite_counts",
        u"(id_count INTEGER NOT NULL,id_family INTEGER NOT NULL,date DATE NOT NULL,method INTEGER NOT NULL,"
        u"mites INTEGER NOT NULL,sample INTEGER NULL,days REAL NULL,note TEXT NULL,PRIMARY KEY(id_count ASC AUTOINCREMENT));")
{
}

void CMiteCountsTable::DeleteOfFamily(IDatabase* database, std::int32_t idFamily)
{
    RunAndReset(database, Request(u"DELETE FROM ", u" WHERE id_family=?", { idFamily }), record);
}
