#include "QueenBeeTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CQueenBeeTable::content::Columns()
{
    return { { u"id_queen_bee", &id_queen_bee }, { u"name", &name }, { u"description", &description },
        { u"fert", &fert }, { u"id_parent_queen_bee", &id_parent_queen_bee }, { u"id_family", &id_family },
        { u"date", DateField { &date } }, { u"is_dead", &is_dead }, { u"breed", &breed } };
}

CQueenBeeTable::CQueenBeeTable()
    : CTable(u"queen_bee",
        u"(id_queen_bee INTEGER NOT NULL,name TEXT NOT NULL,description TEXT NULL,id_family INTEGER NULL,"
        u"id_parent_queen_bee INTEGER NULL,date DATE NOT NULL,breed INTEGER NULL,fert TEXT NULL,is_dead BOOL,"
        u"PRIMARY KEY(id_queen_bee ASC AUTOINCREMENT),CONSTRAINT ftFamily\tFOREIGN KEY(id_family)\t"
        u"REFERENCES family(id_family)\tON DELETE SET NULL,CONSTRAINT ftQueenBee\t"
        u"FOREIGN KEY(id_parent_queen_bee)\tREFERENCES queen_bee(id_queen_bee));")
{
}

void CQueenBeeTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ",
            u" SET name=?, description=?, date=?, breed=?, "
            u"fert=?, is_dead=? WHERE id_queen_bee=?;",
            { record.name, record.description, DateValue { record.date }, record.breed, record.fert,
                record.is_dead ? 1 : 0, record.id_queen_bee }),
        record);
}

CRequest CQueenBeeTable::SelectRequest() const
{
    return FirstKeyRequest( u"SELECT * FROM ", { { u"id_queen_bee", record.id_queen_bee }, { u"id_family", record.id_family } });
}

IResult* CQueenBeeTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CQueenBeeTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CQueenBeeTable::Insert(IDatabase* database)
{
    record.id_queen_bee = InsertReadingKey(database,
        Request(u"INSERT INTO ",
            u"(name, description, id_family, id_parent_queen_bee, date, breed, fert, is_dead) "
            u"VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
            { record.name, record.description, record.id_family, record.id_parent_queen_bee, DateValue { record.date },
                record.breed, record.fert, record.is_dead ? 1 : 0 }),
        u"id_queen_bee");
}

void CQueenBeeTable::Delete(IDatabase* database)
{
    CRequest request = KeyedRequest(u"DELETE FROM ", u"id_family", record.id_family, 0);
    if (record.id_queen_bee != 0)
        request = KeyedRequest(u"DELETE FROM ", u"id_queen_bee", record.id_queen_bee, 0);
    else if (!record.name.empty())
        request = Request(u"DELETE FROM ", u" WHERE name=?", { record.name });
    Run(database, request);
    RunAndReset(database,
        Request(u"UPDATE ", u" SET id_parent_queen_bee=? WHERE id_parent_queen_bee=?;", { 0, record.id_queen_bee }),
        record);
}
