#include "Calendar.h"
#include "InspectTable.h"
#include "JournalTable.h"
#include "TableFixture.h"
#include "Text.h"

namespace {
// Copies every row it is handed, as the rows of ExecRequest.
class Recorder : public IRowReader
{
public:
    void Read(const IRow& row) override
    {
        RowData data;
        for (int i = 0; i < row.ColumnCount(); ++i)
            data.emplace_back(row.ColumnName(i), row.ColumnText(i));
        rows.push_back(data);
    }
    RowList rows;
};

std::vector<CJournalTable::content> StreamedRecords(IDatabase* db)
{
    std::vector<CJournalTable::content> records;
    CJournalTable journal;
    journal.SelectEach(db, [&](const CJournalTable::content& row) { records.push_back(row); });
    return records;
}

// The texts a beekeeper types: Cyrillic, apostrophes and quotes, tabs and line breaks, combining
// accents, characters beyond the first plane (surrogate pairs), and the longest and shortest.
const std::vector<std::u16string> kTexts { u"Пасека у реки", u"O'Brien's 'old' hive", u"\"quoted\"\tand\nbroken\r\n",
    u"e\u0301te\u0301", u"Рой 🐝 и мёд 🍯", u"\U0001F41D", u"", std::u16string(3000, u'ж') + u"'" };
}

using RowStreamTest = TableFixture;

TEST_F(RowStreamTest, ReadRequestHandsTheRowsOfExecRequestOneByOneWithNullAsEmpty)
{
    Exec(u"CREATE TABLE t(a INTEGER, b TEXT, c REAL)");
    Exec(u"INSERT INTO t VALUES(5, NULL, 1.5)");
    Exec(u"INSERT INTO t VALUES(NULL, 'x', NULL)");
    Recorder recorder;
    db->ReadRequest(u"SELECT a, b, c FROM t ORDER BY rowid", recorder);
    EXPECT_FALSE(db->HasError());
    EXPECT_EQ(recorder.rows,
        (RowList { { { u"a", u"5" }, { u"b", u"" }, { u"c", u"1.5" } },
            { { u"a", u"" }, { u"b", u"x" }, { u"c", u"" } } }));
    EXPECT_EQ(recorder.rows, Exec(u"SELECT a, b, c FROM t ORDER BY rowid"));

    Recorder none;
    db->ReadRequest(u"SELECT * FROM t WHERE a > 10", none);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_FALSE(db->HasError());
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RowStreamTest, AFailureAfterSomeRowsIsReportedAndTheRowsBeforeItStand)
{
    // abs() of the smallest integer overflows only when the third row is computed.
    Exec(u"CREATE TABLE n(v INTEGER)");
    Exec(u"INSERT INTO n VALUES(1)");
    Exec(u"INSERT INTO n VALUES(2)");
    Exec(u"INSERT INTO n VALUES(-9223372036854775808)");
    Recorder recorder;
    db->ReadRequest(u"SELECT abs(v) AS v FROM n ORDER BY rowid", recorder);
    EXPECT_TRUE(db->HasError());
    EXPECT_EQ(recorder.rows, (RowList { { { u"v", u"1" } }, { { u"v", u"2" } } }));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
        u"Error: integer overflow\nFile: .\\Database\\Database\nFunction: CDatabase::ExecRequest\nLine:48");

    // The same through a table: both the streamed and the kept rows end with the failure.
    Exec(u"DROP TABLE journal");
    Exec(u"CREATE VIEW journal AS SELECT abs(v) AS id_journal, 7 AS id_family FROM n ORDER BY rowid");
    const std::vector<CJournalTable::content> streamed = StreamedRecords(db.get());
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(streamed.size(), 2u);
    EXPECT_EQ(streamed[1].id_journal, 2);
    EXPECT_EQ(streamed[1].id_family, 7);
    CJournalTable journal;
    const auto kept = SelectFrom(journal);
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0]->id_journal, 1);
    EXPECT_EQ(boxes.Calls().size(), 3u);
}

TEST_F(RowStreamTest, ARecordFilledRowAfterRowTakesNothingFromTheRowBefore)
{
    Exec(u"INSERT INTO journal VALUES(1, 4, '07.05.2010 12:00:00', 8, 6, 1, 2, 3, 4, 5, 6, 'first note', 9)");
    Exec(u"INSERT INTO journal VALUES(2, 5, '08.05.2010 12:00:00', 7, 5, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
    Exec(u"INSERT INTO journal VALUES(3, 5, '07.05.2010 12:00:00', 7, 5, 0, 1, 1, 1, 1, 1, 'x', NULL)");
    const std::vector<CJournalTable::content> records = StreamedRecords(db.get());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].note, u"first note");
    EXPECT_EQ(records[0].id_record, 9);
    EXPECT_EQ(records[0].disease, 6);
    EXPECT_EQ(records[1].id_journal, 2);
    EXPECT_EQ(records[1].note, u"");
    EXPECT_EQ(records[1].wax, 0);
    EXPECT_EQ(records[1].disease, 0);
    EXPECT_EQ(records[1].id_record, 0);
    // The same day again after another is read again, not taken from the day before.
    EXPECT_EQ(records[0].date, ParseDateText(u"07.05.2010"));
    EXPECT_EQ(records[1].date, ParseDateText(u"08.05.2010"));
    EXPECT_NE(records[1].date, records[0].date);
    EXPECT_EQ(records[2].date, records[0].date);

    CJournalTable journal;
    const auto kept = SelectFrom(journal);
    ASSERT_EQ(kept.size(), 3u);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i]->note, records[i].note);
        EXPECT_EQ(kept[i]->wax, records[i].wax);
        EXPECT_EQ(kept[i]->date, records[i].date);
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RowStreamTest, TextsOfEveryKindReadBackAsWrittenStreamedAndKept)
{
    for (const std::u16string& text : kTexts) {
        CInspectTable inspect;
        inspect.record.id_journal = 1;
        inspect.record.name_housing = text;
        inspect.Insert(db.get());
    }
    std::vector<std::u16string> streamed;
    CInspectTable inspect;
    inspect.SelectEach(db.get(), [&](const CInspectTable::content& row) { streamed.push_back(row.name_housing); });
    EXPECT_EQ(streamed, kTexts);
    std::vector<std::u16string> kept;
    for (const auto* row : SelectFrom(inspect))
        kept.push_back(row->name_housing);
    EXPECT_EQ(kept, kTexts);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RowStreamTest, NumbersReadAsTheirTextsWouldRead)
{
    const std::vector<std::u16string> values { u"9999999999", u"-9999999999", u"2147483647", u"-2147483648",
        u"'12abc'", u"3.7", u"' 7'", u"'x'", u"NULL", u"-9223372036854775808" };
    for (const std::u16string& value : values)
        Exec(u"INSERT INTO journal(id_family, date, frame, strength, is_queen_bee, wax) VALUES(1, '', 0, 0, 0, " + value + u")");
    std::vector<std::int32_t> expected;
    for (const RowData& row : Exec(u"SELECT wax FROM journal ORDER BY id_journal"))
        expected.push_back(WToI(row[0].second));
    ASSERT_EQ(expected.size(), values.size());
    EXPECT_EQ(expected[0], 2147483647);
    EXPECT_EQ(expected[4], 12);

    std::vector<std::int32_t> streamed;
    for (const CJournalTable::content& record : StreamedRecords(db.get()))
        streamed.push_back(record.wax);
    EXPECT_EQ(streamed, expected);
    std::vector<std::int32_t> kept;
    CJournalTable journal;
    for (const auto* record : SelectFrom(journal))
        kept.push_back(record->wax);
    EXPECT_EQ(kept, expected);
    EXPECT_TRUE(boxes.Calls().empty());
}
