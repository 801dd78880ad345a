#include "JournalTable.h"

#include "Request.h"

std::vector<CTable::ColumnBinding> CJournalTable::content::Columns()
{
    return { { u"id_journal", &id_journal }, { u"id_family", &id_family }, { u"date", DateField { &date } },
        { u"frame", &frame }, { u"strength", &strength }, { u"is_queen_bee", &is_queen_bee }, { u"wax", &wax },
        { u"ambrosia", &ambrosia }, { u"evacuation", &evacuation }, { u"dieting", &dieting }, { u"disease", &disease },
        { u"note", &note }, { u"id_record", &id_record } };
}

CJournalTable::CJournalTable()
    : CTable(u"journal",
        u"(id_journal INTEGER NOT NULL,id_family INTEGER NOT NULL,date DATE NOT NULL,frame INTEGER NOT NULL,"
        u"strength INTEGER NOT NULL,is_queen_bee INTEGER NOT NULL,wax INTEGER NULL,ambrosia INTEGER NULL,"
        u"evacuation INTEGER NULL,dieting INTEGER NULL,disease INTEGER NULL,note TEXT NULL,id_record INTEGER NULL,"
        u"CONSTRAINT fkJournalFamily\tFOREIGN KEY(id_family)\tREFERENCES families(id_family),"
        u"CONSTRAINT fkJournalRecord\tFOREIGN KEY(id_record)\tREFERENCES field_values(id_record)\t"
        u"ON DELETE SET NULL\tON UPDATE SET NULL,PRIMARY KEY(id_journal ASC AUTOINCREMENT));")
{
}

void CJournalTable::Update(IDatabase* database)
{
    RunAndReset(database,
        Request(u"UPDATE ",
            u" SET frame=?, strength=?, is_queen_bee=?, wax=?, ambrosia=?,evacuation=?, dieting=?, disease=?, "
            // The stored time of day stays while the day does: dates come back as midnight.
            u"note=?, id_record=?, date=CASE WHEN substr(date,1,10)=substr(?,1,10) THEN date ELSE ? END "
            u"WHERE id_journal=?",
            { record.frame, record.strength, record.is_queen_bee, record.wax, record.ambrosia, record.evacuation,
                record.dieting, record.disease, record.note, record.id_record, DateValue { record.date },
                DateValue { record.date }, record.id_journal }),
        record);
}

CRequest CJournalTable::SelectRequest() const
{
    return FirstKeyRequest( u"SELECT * FROM ", { { u"id_family", record.id_family }, { u"id_journal", record.id_journal } });
}

IResult* CJournalTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CJournalTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CJournalTable::SelectLatestOfFamily(
    IDatabase* database, std::int32_t idFamily, const std::function<void(const content&)>& each)
{
    ReadAndReset(database,
        Request(u"SELECT * FROM ",
            u" WHERE id_family=? AND date GLOB '[0-9][0-9].[0-9][0-9].[0-9][0-9][0-9][0-9]*' "
            u"ORDER BY substr(date,7,4) DESC, substr(date,4,2) DESC, substr(date,1,2) DESC, id_journal DESC LIMIT 1",
            { idFamily }),
        record, each);
}

void CJournalTable::Insert(IDatabase* database)
{
    record.id_journal = InsertReadingKey(database,
        Request(u"INSERT INTO ",
            u"(id_family, date, is_queen_bee, frame, strength, wax,ambrosia, evacuation, dieting, disease, note, "
            u"id_record) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            { record.id_family, DateValue { record.date }, record.is_queen_bee, record.frame, record.strength,
                record.wax, record.ambrosia, record.evacuation, record.dieting, record.disease, record.note,
                record.id_record }),
        u"id_journal");
}

void CJournalTable::Delete(IDatabase* database)
{
    RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_journal", record.id_journal, 0), record);
}
