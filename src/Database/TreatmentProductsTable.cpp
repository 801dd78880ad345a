#include "TreatmentProductsTable.h"

std::vector<CTable::ColumnBinding> CTreatmentProductsTable::content::Columns()
{
    return { { u"id_product", &id_product }, { u"name", &name }, { u"substance", &substance }, { u"form", &form }, { u"dose", &dose }, { u"unit", &unit }, { u"withdrawal_days", &withdrawal_days } };
}

CTreatmentProductsTable::CTreatmentProductsTable()
    : CKeyedTable(u"treatment_products",
        u"(id_product INTEGER NOT NULL,name TEXT NOT NULL,substance TEXT NULL,form TEXT NULL,"
        u"dose REAL NULL,unit TEXT NULL,withdrawal_days INTEGER NOT NULL,"
        u"PRIMARY KEY(id_product ASC AUTOINCREMENT));")
{
}
