#include "TreatmentsTable.h"

std::vector<CTable::ColumnBinding> CTreatmentsTable::content::Columns()
{
    return { { u"id_treatment", &id_treatment }, { u"id_product", &id_product }, { u"batch", &batch }, { u"dose", &dose }, { u"unit", &unit }, { u"method", &method }, { u"date_start", DateField { &date_start } }, { u"date_end", DateField { &date_end } }, { u"withdrawal_days", &withdrawal_days }, { u"prescriber", &prescriber }, { u"note", &note } };
}

CTreatmentsTable::CTreatmentsTable()
    : CKeyedTable(u"treatments",
        u"(id_treatment INTEGER NOT NULL,id_product INTEGER NOT NULL,batch TEXT NULL,dose REAL NULL,"
        u"unit TEXT NULL,method TEXT NULL,date_start DATE NOT NULL,date_end DATE NOT NULL,"
        u"withdrawal_days INTEGER NOT NULL,prescriber TEXT NULL,note TEXT NULL,"
        u"PRIMARY KEY(id_treatment ASC AUTOINCREMENT));")
{
}
