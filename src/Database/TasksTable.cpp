#include "TasksTable.h"

std::vector<CTable::ColumnBinding> CTasksTable::content::Columns()
{
    return { { u"id_task", &id_task }, { u"title", &title }, { u"kind", &kind }, { u"due", DateField { &due } },
        { u"due_minutes", &due_minutes }, { u"every_days", &every_days }, { u"repeat_until", DateField { &repeat_until } },
        { u"done", &done }, { u"done_on", DateField { &done_on } }, { u"id_record", &id_record }, { u"uid", &uid },
        { u"note", &note } };
}

CTasksTable::CTasksTable()
    : CKeyedTable(u"tasks",
        u"(id_task INTEGER NOT NULL,title TEXT NOT NULL,kind INTEGER NOT NULL,due DATE NOT NULL,"
        u"due_minutes INTEGER NOT NULL,every_days INTEGER NOT NULL,repeat_until DATE NOT NULL,done INTEGER NOT NULL,"
        u"done_on DATE NOT NULL,id_record INTEGER NOT NULL,uid TEXT NOT NULL,note TEXT NULL,"
        u"PRIMARY KEY(id_task ASC AUTOINCREMENT));")
{
}
