#include "HandlersFixture.h"

#include "Calendar.h"
#include "HousingCache.h"
#include "CsvReader.h"
#include "ImportPlan.h"
#include "ImportValues.h"
#include "JournalCache.h"
#include "LanguageManager.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "UserFieldStore.h"
#include "XlsxBook.h"
#include "XlsxReader.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

namespace {
using Fields = std::vector<ImportField>;
constexpr char16_t kWeight[] = u"Вес, кг";

Fields FieldsOf(const ImportMapping& mapping)
{
    Fields fields;
    for (const ImportTarget& target : mapping)
        fields.push_back(target.field);
    return fields;
}

std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// One colony's record of a season, as the hand-made table holds it and the journal must store it.
struct SeasonRow
{
    std::u16string site;
    std::u16string colony;
    int year, month, day;
    int frames, strength, brood, honey;
    std::u16string note;
    std::u16string hive;
    // The weight with a decimal comma, as the table has it.
    std::u16string weight;

    auto Stored() const
    {
        return std::make_tuple(colony, LocalMidnight(year, month, day), frames, strength, note, hive, brood, honey,
            ReplaceAll(weight, u",", u"."));
    }
};

// Three seasons of ten colonies at two sites, the first site and colony named as the journal has
// them in another case.
std::vector<SeasonRow> Seasons()
{
    std::vector<SeasonRow> rows;
    for (int year = 2023; year <= 2025; ++year) {
        for (int colony = 1; colony <= 10; ++colony) {
            rows.push_back({ colony <= 5 ? u"Луг" : u"Лесная поляна", u"Семья " + IntToText(colony), year, 6, 5 + colony,
                8 + colony % 3, 6 + year - 2023, colony % 5 + 2, year - 2022,
                u"Осмотр №" + IntToText(colony) + u", матка «есть»", u"Улей-" + IntToText(colony),
                IntToText(12 + colony) + u"," + IntToText(year % 10) });
        }
    }
    return rows;
}

// The journal's records with their colony's name, hive line and weight, in the shape of SeasonRow::Stored.
auto StoredRows()
{
    std::vector<decltype(SeasonRow().Stored())> rows;
    for (const auto& [id, record] : GetJournalCache()->Records()) {
        EXPECT_EQ(record.hives.size(), 1u);
        const CJournalCache::HiveRow hive = record.hives.empty() ? CJournalCache::HiveRow {} : record.hives[0];
        rows.emplace_back(GetPointFamilyCache()->FindFamily(record.id_family)->name, record.date, record.frame,
            record.strength, record.note, hive.name_housing, hive.brood, hive.honey,
            GetUserFieldStore()->Value(record.id_record, kWeight));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

class TableImportTest : public HandlersFixture
{
protected:
    TableImportTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetLanguageManager()->Initialize();
    }
    ~TableImportTest() override { DeleteLanguageManager(); }

    // The journal with the decimal weight field and the first site and colony, named otherwise.
    void PrepareJournal()
    {
        journal.userFields.Change(OwnerKind::Record, {}, { { kWeight, 3 } });
        CHousingCache::Housing hive;
        hive.name = u"УЛЕЙ-1";
        hive.id_family = AddFamily(AddPoint(u" ЛУГ "), u"семья 1");
        journal.hives.Add(hive);
    }

    // Takes the table in with its guessed mapping and checks that the journal stores exactly its rows.
    void ImportSeasons(const SheetTable& table)
    {
        const ImportMapping mapping = GuessImportMapping(table.header, { kWeight });
        EXPECT_EQ(FieldsOf(mapping), (Fields { ImportField::Site, ImportField::Colony, ImportField::Date, ImportField::Frames,
                                         ImportField::Strength, ImportField::Brood, ImportField::Honey, ImportField::Notes,
                                         ImportField::Hive, ImportField::UserField }));
        const ImportPlan plan = PlanTableImport(table, mapping, 0);
        EXPECT_TRUE(plan.skipped.empty());
        EXPECT_EQ(plan.newSites, std::vector<std::u16string> { u"Лесная поляна" });
        EXPECT_EQ(plan.newColonies.size(), 9u);
        EXPECT_EQ(plan.newHives.size(), 9u);

        EventLog log;
        EXPECT_EQ(journal.tableImports.Import(table, mapping, 0), std::optional<std::size_t>(30));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_FALSE(log.events.empty());
        EXPECT_FALSE(std::filesystem::is_empty("backups"));
        EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points"), 2);
        EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 10);
        EXPECT_EQ(Count(u"SELECT COUNT(*) FROM housings"), 10);
        EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 30);
        std::vector<decltype(SeasonRow().Stored())> expected;
        for (const SeasonRow& row : Seasons()) {
            expected.push_back(row.Stored());
            // The colony and the hive the journal had keep their names.
            if (row.colony == u"Семья 1") {
                std::get<0>(expected.back()) = u"семья 1";
                std::get<5>(expected.back()) = u"УЛЕЙ-1";
            }
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(StoredRows(), expected);

        // Taken in a second time, every row is found in the journal and nothing is added.
        const ImportPlan again = PlanTableImport(table, mapping, 0);
        EXPECT_TRUE(again.records.empty());
        EXPECT_TRUE(again.newSites.empty() && again.newColonies.empty() && again.newHives.empty());
        EXPECT_EQ(again.skipped.size(), 30u);
        EXPECT_TRUE(std::all_of(again.skipped.begin(), again.skipped.end(),
            [](const ImportSkip& skip) { return skip.reason == ImportSkipReason::AlreadyInJournal; }));
    }
};
}

TEST_F(TableImportTest, HeadersAreGuessedInBothLanguagesAndAsTheProgramExportsThem)
{
    EXPECT_EQ(FieldsOf(GuessImportMapping({ u"Пасека", u" СЕМЬЯ ", u"Дата:", u"Рамок", u"Сила (улочек)", u"Расплод", u"Мед, кг",
                                              u"Примечание", u"Улей", u"Погода", u"Дата" }, {})),
        (Fields { ImportField::Site, ImportField::Colony, ImportField::Date, ImportField::Frames, ImportField::Strength,
            ImportField::Brood, ImportField::Honey, ImportField::Notes, ImportField::Hive, ImportField::Skip, ImportField::Skip }));
    EXPECT_EQ(FieldsOf(GuessImportMapping({ u"apiary", u"Colony", u"DATE", u"Frames", u"Strength (seams of bees)", u"Brood",
                                              u"Honey", u"Comments", u"Hive number", u"Weather" }, {})),
        (Fields { ImportField::Site, ImportField::Colony, ImportField::Date, ImportField::Frames, ImportField::Strength,
            ImportField::Brood, ImportField::Honey, ImportField::Notes, ImportField::Hive, ImportField::Skip }));
    // The names the records page heads its columns with, in either language; an own field by its name.
    EXPECT_EQ(GuessImportMapping({ u"Inspection date", u"Дата осмотра", u"Название семьи", u"Мёд", u"varroa" }, { u"Varroa" }),
        (ImportMapping { { ImportField::Date, {} }, {}, { ImportField::Colony, {} }, { ImportField::Honey, {} },
            { ImportField::UserField, u"Varroa" } }));
}

TEST_F(TableImportTest, AMappingIsKeptAsTextForItsHeadersOnly)
{
    const ImportMapping mapping { { ImportField::Date, {} }, {}, { ImportField::UserField, u"Вес" } };
    const std::u16string text = ImportMappingText(mapping);
    EXPECT_EQ(ImportMappingFromText(text, 3, { u"Вес" }), mapping);
    // A field removed since reads as skipped; a text for another number of columns as none.
    EXPECT_EQ(ImportMappingFromText(text, 3, {}), (ImportMapping { { ImportField::Date, {} }, {}, {} }));
    EXPECT_TRUE(ImportMappingFromText(text, 4, { u"Вес" }).empty());
    EXPECT_TRUE(ImportMappingFromText({}, 2, {}).empty());
    EXPECT_EQ(ImportMappingName({ u"Дата", u"Мёд" }), ImportMappingName({ u" дата", u"МЁД" }));
    EXPECT_NE(ImportMappingName({ u"Дата", u"Мёд" }), ImportMappingName({ u"Мёд", u"Дата" }));
}

TEST_F(TableImportTest, NumbersAndDatesReadWhicheverWayTheyAreWritten)
{
    EXPECT_EQ(ReadImportNumber(u" 7,5 "), 7.5);
    EXPECT_EQ(ReadImportNumber(u"1\u00A0234.25"), 1234.25);
    EXPECT_EQ(ReadImportNumber(u"-3"), -3.0);
    EXPECT_EQ(ReadImportNumber(u"7 рамок"), std::nullopt);
    EXPECT_EQ(ReadImportNumber(u"1,2,3"), std::nullopt);
    EXPECT_EQ(ReadImportNumber(u""), std::nullopt);

    const std::int64_t june5 = LocalMidnight(2024, 6, 5);
    for (const char16_t* text : { u"05.06.2024", u"5.6.24", u"2024-06-05", u" 05.06.2024 10:30:00", u"5/6/2024" })
        EXPECT_EQ(ReadImportDate({ text, 0 }), june5) << ToUtf8(text);
    for (const char16_t* text : { u"31.02.2024", u"13.13.2024", u"05.06.202", u"июнь 2024", u"05.06", u"" })
        EXPECT_EQ(ReadImportDate({ text, 0 }), 0) << ToUtf8(text);
    EXPECT_EQ(ReadImportDate({ u"45448", june5 }), june5);
    EXPECT_EQ(ReadImportDate({ u"29.02.2024", 0 }), LocalMidnight(2024, 2, 29));
}

TEST_F(TableImportTest, ACsvOfThreeSeasonsWithCyrillicAndDecimalCommasIsStoredExactly)
{
    PrepareJournal();
    std::u16string text = u"Пасека;Семья;Дата;Рамки;Сила;Расплод;Мёд;Примечание;Улей;Вес, кг\r\n";
    for (const SeasonRow& row : Seasons()) {
        char date[16];
        // Every other row has its date in the ISO form.
        if (row.day % 2 == 0)
            std::snprintf(date, sizeof date, "%02d.%02d.%04d", row.day, row.month, row.year);
        else
            std::snprintf(date, sizeof date, "%04d-%02d-%02d", row.year, row.month, row.day);
        text += row.site + u";" + row.colony + u";" + ToWide(date) + u";" + IntToText(row.frames) + u";"
            + IntToText(row.strength) + u";" + IntToText(row.brood) + u";" + IntToText(row.honey) + u";\"" + row.note
            + u"\";" + row.hive + u";\"" + row.weight + u"\"\r\n";
    }
    const std::filesystem::path file = dir.Path() / "seasons.csv";
    std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF" << ToUtf8(text);
    const auto tables = ReadSheetFile(file);
    ASSERT_TRUE(tables);
    ImportSeasons(tables->front());
}

TEST_F(TableImportTest, ASpreadsheetOfThreeSeasonsWithDateCellsAndEnglishHeadersIsStoredExactly)
{
    PrepareJournal();
    std::vector<CXlsxBook::Row> rows;
    for (const SeasonRow& row : Seasons()) {
        char iso[16];
        std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", row.year, row.month, row.day);
        using Cell = CXlsxBook::Cell;
        rows.push_back({ Cell::Text(row.site), Cell::Text(row.colony),
            row.day % 2 == 0 ? Cell::Date(LocalMidnight(row.year, row.month, row.day)) : Cell::Text(ToWide(iso)),
            Cell::Number(row.frames), Cell::Number(row.strength), Cell::Number(row.brood), Cell::Number(row.honey),
            Cell::Text(row.note), Cell::Text(row.hive), Cell::Number(ReadImportNumber(row.weight).value()) });
    }
    CXlsxBook book;
    book.AddSheet(u"Осмотры", { u"Site", u"Colony", u"Date", u"Frames", u"Strength", u"Brood", u"Honey", u"Notes", u"Hive", kWeight },
        std::move(rows));
    const std::filesystem::path file = dir.Path() / "seasons.xlsx";
    ASSERT_TRUE(book.Save(file));
    const auto tables = ReadSheetFile(file);
    ASSERT_TRUE(tables);
    ImportSeasons(tables->front());
}

TEST_F(TableImportTest, EachSkippedRowIsNamedWithItsReasonAndOnlyTheRestIsTakenIn)
{
    const SheetTable table = ReadCsv("Пасека;Семья;Дата;Рамки;Примечание\n"
                                     "Луг;Север;;8;нет даты\n"
                                     "Луг;Север;32.13.2024;8;\n"
                                     "Луг;Север;01.06.2024;много;\n"
                                     "Луг;Север;01.06.2024;7,5;\n"
                                     "Луг;;01.06.2024;7;\n"
                                     ";Юг;01.06.2024;7;\n"
                                     "Луг;Север;1.6.24;7;ok\n");
    const ImportMapping mapping = GuessImportMapping(table.header, {});
    const ImportPlan plan = PlanTableImport(table, mapping, 0);
    EXPECT_EQ(plan.skipped, (std::vector<ImportSkip> { { 2, ImportSkipReason::NoDate, u"Дата" }, { 3, ImportSkipReason::BadDate, u"Дата" },
                                { 4, ImportSkipReason::BadNumber, u"Рамки" }, { 5, ImportSkipReason::NotWhole, u"Рамки" },
                                { 6, ImportSkipReason::NoColony, u"Семья" }, { 7, ImportSkipReason::NoSite, u"Семья" } }));
    // A skipped row adds no site or colony.
    EXPECT_EQ(plan.newSites, std::vector<std::u16string> { u"Луг" });
    ASSERT_EQ(plan.records.size(), 1u);
    EXPECT_EQ(plan.records[0].row, 8);
    EXPECT_FALSE(plan.records[0].hiveLine);

    EXPECT_EQ(journal.tableImports.Import(table, mapping, 0), std::optional<std::size_t>(1));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal WHERE frame = 7 AND note = 'ok'"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect"), 0);
    // Without a colony column the rows go to the colony given.
    const std::int32_t colony = GetPointFamilyCache()->Families().begin()->first;
    const SheetTable dated = ReadCsv("Дата,Расплод\n02.06.2024,4\n");
    EXPECT_EQ(journal.tableImports.Import(dated, GuessImportMapping(dated.header, {}), colony), std::optional<std::size_t>(1));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 2);
    EXPECT_EQ(Count(u"SELECT brood FROM inspect WHERE id_housing = 0"), 4);
}

TEST_F(TableImportTest, ATableWithNothingToTakeInLeavesTheJournalByteIdentical)
{
    AddFamily(AddPoint(u"Луг"), u"Север");
    const std::filesystem::path journalFile = ToPath(CDatabaseLease()->GetPath());
    const std::string before = FileBytes(journalFile);
    const SheetTable table = ReadCsv("Пасека;Семья;Дата\nЛуг;Север;вчера\nЛуг;Юг;\n");
    EventLog log;
    EXPECT_EQ(journal.tableImports.Import(table, GuessImportMapping(table.header, {}), 0), std::nullopt);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, GetLanguageManager()->GetString(StringId::ImportTableNothing));
    EXPECT_TRUE(log.events.empty());
    EXPECT_FALSE(std::filesystem::exists("backups"));
    EXPECT_EQ(FileBytes(journalFile), before);
}

TEST_F(TableImportTest, AnImportTheFileRefusesHalfwayLeavesTheJournalAndItsStoresAsTheyWere)
{
    AddFamily(AddPoint(u"Луг"), u"Север");
    // The records go last, after the new site and colony.
    Exec(u"CREATE TRIGGER refuse BEFORE INSERT ON journal BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const std::filesystem::path journalFile = ToPath(CDatabaseLease()->GetPath());
    const std::string before = FileBytes(journalFile);
    const SheetTable table = ReadCsv("Пасека;Семья;Дата\nЛес;Юг;01.06.2024\n");
    EventLog log;
    EXPECT_EQ(journal.tableImports.Import(table, GuessImportMapping(table.header, {}), 0), std::nullopt);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(FileBytes(journalFile), before);
    EXPECT_EQ(GetPointFamilyCache()->Points().size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 1);
}
