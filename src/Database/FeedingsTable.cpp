#include "FeedingsTable.h"

std::vector<CTable::ColumnBinding> CFeedingsTable::content::Columns()
{
    return { { u"id_feeding", &id_feeding }, { u"id_feed_type", &id_feed_type }, { u"amount", &amount }, { u"unit", &unit }, { u"date", DateField { &date } }, { u"note", &note } };
}

CFeedingsTable::CFeedingsTable()
    : CKeyedTable(u"feedings",
        u"(id_feeding INTEGER NOT NULL,id_feed_type INTEGER NOT NULL,amount REAL NOT NULL,"
        u"unit INTEGER NOT NULL,date DATE NOT NULL,note TEXT NULL,"
        u"PRIMARY KEY(id_feeding ASC AUTOINCREMENT));")
{
}
