#include "BookParts.h"
#include "CsvRows.h"
#include "JournalExport.h"
#include "TableFixture.h"

#include <algorithm>
#include <fstream>

namespace {
class JournalExportTest : public TableFixture
{
protected:
    CsvRows Read(const char* table)
    {
        bool failure = false;
        CsvRows rows = ParseCsv(ReadFileBytes((dir.Path() / "out" / (std::string(table) + ".csv")).string()), failure);
        EXPECT_FALSE(failure) << table;
        return rows;
    }
};
}

TEST_F(JournalExportTest, WritesEveryTableWithItsHeaderAndRows)
{
    Exec(u"INSERT INTO points(name, note) VALUES('Лука, \"нижня\"', 'під''їзд'), ('Sad', NULL);");
    Exec(u"INSERT INTO families(name, id_point, note) VALUES('🐝 1', 1, 'two\r\nlines');");
    Exec(u"INSERT INTO journal(id_journal, id_family, date, frame, strength, is_queen_bee, note) "
         u"VALUES(1, 1, '09.03.2024 00:00:00', 8, 5, 1, 'ok'), (2, 1, 'sometime', 6, 4, 0, NULL);");
    Exec(u"INSERT INTO inspect(id_journal, id_housing, name_housing, honey) VALUES(1, 1, 'A', 3), (1, 2, 'B', 4);");
    Exec(u"INSERT INTO user_fields(itable, name, type) VALUES(1, 'Колір', 0);");
    std::filesystem::create_directory("out");

    ASSERT_TRUE(ExportJournal(db.get(), dir.Path() / "out", {}));

    for (const char* table : { "points", "families", "journal", "inspect", "housings", "queen_bee", "user_fields",
             "field_values", "evacuation", "type_housing", "type_frame" })
        EXPECT_TRUE(std::filesystem::exists(dir.Path() / "out" / (std::string(table) + ".csv"))) << table;

    const CsvRows points = Read("points");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0], (std::vector<std::u16string> { u"id_point", u"name", u"note", u"id_record" }));
    EXPECT_EQ(points[1], (std::vector<std::u16string> { u"1", u"Лука, \"нижня\"", u"під'їзд", u"" }));
    EXPECT_EQ(points[2][1], u"Sad");

    const CsvRows families = Read("families");
    ASSERT_EQ(families.size(), 2u);
    EXPECT_EQ(families[1][1], u"🐝 1");
    EXPECT_EQ(families[1][4], u"two\r\nlines");

    const CsvRows records = Read("journal");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0][2], u"date");
    EXPECT_EQ(records[1][2], u"2024-03-09");
    EXPECT_EQ(records[2][2], u"sometime");

    EXPECT_EQ(Read("inspect").size(), 3u);
    EXPECT_EQ(Read("user_fields").at(1).at(1), u"Колір");
    EXPECT_EQ(Read("queen_bee").size(), 1u);
}

TEST_F(JournalExportTest, TheWholeJournalAsOneBookHasASheetPerTableWithNumbersAndDates)
{
    Exec(u"INSERT INTO points(name) VALUES('Meadow');");
    Exec(u"INSERT INTO families(name, id_point) VALUES('North', 1);");
    Exec(u"INSERT INTO journal(id_journal, id_family, date, frame, strength, is_queen_bee, note) "
         u"VALUES(1, 1, '09.03.2024 00:00:00', 8, 5, 1, 'ok'), (2, 1, 'sometime', 6, 4, 0, NULL);");

    ASSERT_TRUE(ExportJournalBook(db.get(), dir.Path() / "journal.xlsx"));

    const BookParts book(dir.Path() / "journal.xlsx");
    const auto& names = book.SheetNames();
    ASSERT_EQ(names.size(), 11u);
    const auto sheet = static_cast<std::size_t>(std::find(names.begin(), names.end(), u"journal") - names.begin()) + 1;
    ASSERT_LE(sheet, 11u);
    const auto& cells = book.Cells(sheet);
    EXPECT_EQ(cells.at("C1").value, u"date");
    EXPECT_EQ(cells.at("C2").type, "datetime");
    EXPECT_EQ(cells.at("C2").value, u"2024-03-09");
    // A date that does not read stays as it is stored.
    EXPECT_EQ(cells.at("C3").type, "str");
    EXPECT_EQ(cells.at("C3").value, u"sometime");
    EXPECT_EQ(cells.at("D2").type, "int");
    EXPECT_EQ(cells.at("D2").value, u"8");

    EXPECT_FALSE(ExportJournalBook(db.get(), dir.Path() / "missing" / "journal.xlsx"));
}

TEST_F(JournalExportTest, AFolderThatCannotBeWrittenIsReportedAsAFailure)
{
    EXPECT_FALSE(ExportJournal(db.get(), dir.Path() / "missing", {}));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
}
