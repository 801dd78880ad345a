#include "InspectTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CInspectTable::content::Columns()
{
    return { { u"id_journal", &id_journal }, { u"id_housing", &id_housing }, { u"name_housing", &name_housing },
        { u"honey", &honey }, { u"brood", &brood }, { u"open_brood", &open_brood }, { u"close_brood", &close_brood },
        { u"goods_honey", &goods_honey } };
}

CInspectTable::CInspectTable()
    : CTable(u"inspect",
        u"(id_journal INTEGER NOT NULL,id_housing INTEGER,name_housing TEXT,honey INTEGER NULL,brood INTEGER NULL,"
        u"open_brood INTEGER NULL,close_brood INTEGER NULL,goods_honey INTEGER NULL,"
        u"CONSTRAINT fkJournalJournal\tFOREIGN KEY(id_journal)\tREFERENCES journal(id_journal));")
{
}

void CInspectTable::Update(IDatabase* database)
{
    const std::u16string set
        = u" SET honey=?, brood=?, open_brood=?, close_brood=?, goods_honey=? WHERE id_journal=? AND ";
    const bool byName = record.id_housing == 0;
    RunAndReset(database,
        Request(u"UPDATE ", set + (byName ? u"name_housing=?;" : u"id_housing=?;"),
            { record.honey, record.brood, record.open_brood, record.close_brood, record.goods_honey, record.id_journal,
                byName ? Value(record.name_housing) : Value(record.id_housing) }),
        record);
}

CRequest CInspectTable::SelectRequest() const
{
    return KeyedRequest(u"SELECT * FROM ", u"id_journal", record.id_journal, -1);
}

IResult* CInspectTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CInspectTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CInspectTable::SelectEachOfFamily(
    IDatabase* database, std::int32_t idFamily, const std::function<void(const content&)>& each)
{
    ReadAndReset(database,
        Request(u"SELECT * FROM ",
            u" WHERE id_journal IN (SELECT id_journal FROM journal WHERE id_family=?) ORDER BY id_journal, rowid",
            { idFamily }),
        record, each);
}

void CInspectTable::Insert(IDatabase* database)
{
    RunAndReset(database,
        Request(u"INSERT INTO ",
            u"(id_journal, id_housing, name_housing, honey, brood, open_brood, close_brood, goods_honey) "
            u"VALUES(?, ?, ?, ?, ?, ?, ?, ?);",
            { record.id_journal, record.id_housing, record.name_housing, record.honey, record.brood, record.open_brood,
                record.close_brood, record.goods_honey }),
        record);
}

void CInspectTable::Delete(IDatabase* database)
{
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_journal", record.id_journal, 0), record);
}
