#include "EvacuationTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CEvacuationTable::content::Columns()
{
    return { { u"date", DateField { &date } }, { u"id_family", &id_family }, { u"honey", &honey },
        { u"plant", &plant } };
}

CEvacuationTable::CEvacuationTable()
    : CTable(u"evacuation",
        u"(date DATE NOT NULL,id_family INTEGER NOT NULL,honey INTEGER NOT NULL,plant TEXT NULL,"
        u"CONSTRAINT ftEvacuation\tFOREIGN KEY(id_family)\tREFERENCES families(id_family));")
{
}

void CEvacuationTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ", u" SET honey=?, plant=? WHERE id_family=? AND date=?;",
            { record.honey, record.plant, record.id_family, DateValue { record.date } }),
        record);
}

IResult* CEvacuationTable::Select(IDatabase* database)
{
    CRequest request = KeyedRequest(u"SELECT * FROM ", u"id_family", record.id_family, 0);
    if (record.date != 0)
        request = Request(u"SELECT * FROM ", u" WHERE date=?", { DateValue { record.date } });
    return SelectAndReset(database, request, record, *this);
}

void CEvacuationTable::Insert(IDatabase* database)
{
    const Value plant = record.plant.empty() ? Value(NullValue {}) : Value(record.plant);
    RunAndReset(database,
        Request(u"INSERT INTO ", u" VALUES(?, ?, ?, ?)",
            { DateValue { record.date }, record.id_family, record.honey, plant }),
        record);
}

void CEvacuationTable::Delete(IDatabase* database)
{
    CRequest request = KeyedRequest(u"DELETE FROM ", u"id_family", record.id_family, 0);
    if (record.date != 0 && record.id_family == 0)
        request = Request(u"DELETE FROM ", u" WHERE date=?", { DateValue { record.date } });
    else if (record.date != 0)
        request = Request(
            u"DELETE FROM ", u" WHERE date=? AND id_family=?", { DateValue { record.date }, record.id_family });
    RunAndReset(database, request, record);
}
