#include "FeedTypesTable.h"

std::vector<CTable::ColumnBinding> CFeedTypesTable::content::Columns()
{
    return { { u"id_feed_type", &id_feed_type }, { u"name", &name }, { u"sugar_share", &sugar_share }, { u"density", &density } };
}

CFeedTypesTable::CFeedTypesTable()
    : CKeyedTable(u"feed_types",
        u"(id_feed_type INTEGER NOT NULL,name TEXT NOT NULL,sugar_share REAL NOT NULL,density REAL NOT NULL,"
        u"PRIMARY KEY(id_feed_type ASC AUTOINCREMENT));")
{
}
