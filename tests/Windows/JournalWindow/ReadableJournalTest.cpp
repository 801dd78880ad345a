#include "TablePageFixture.h"

#include "BookParts.h"
#include "Calendar.h"
#include "CsvRows.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "JournalHandlers.h"
#include "ImportPlan.h"
#include "Menu.h"
#include "SchemaMigrations.h"

#include <algorithm>
#include <fstream>

namespace {
constexpr char16_t kWeight[] = u"Вес";
constexpr char16_t kOrigin[] = u"Origin";

class ReadableJournalTest : public TablePageTest
{
protected:
    // A site with a colony from a swarm, a record of 12 June 2025 with a weighed hive line and a
    // queen; the records' optional columns all switched off on their page.
    void MakeJournal()
    {
        Start(kRecordViewSettingsKey,
            AllChecks({ u"check_give_wox", u"check_ambrosia", u"check_pump_honey", u"check_feeding", u"check_diseases",
                          u"check_note", u"check_open_brood", u"check_seal_brood", u"check_good_honey" },
                u"unchecked"));
        // The file as the program leaves it at the start, with the colonies' events tables.
        ASSERT_TRUE(SchemaMigrations::Migrate(CDatabaseLease().get()));
        AddUserField(OwnerKind::Colony, kOrigin);
        GetJournalHandlers()->userFields.Change(OwnerKind::Record, {}, { { kWeight, 3 } });
        const std::int32_t site = AddPoint(u"Луг «Север»");
        colony = AddFamily(site, u"Липа; 1", { { kOrigin, u"рой" } });
        InspectData inspect;
        inspect.record.id_family = colony;
        inspect.record.date = LocalMidnight(2025, 6, 12);
        inspect.record.frame = 9;
        CJournalCache::HiveRow hive;
        hive.name_housing = u"Улей 7";
        hive.honey = 4;
        inspect.record.hives = { hive };
        inspect.values = { { kWeight, u"12.5" } };
        ASSERT_TRUE(journal->AddInspect(inspect));
        record = inspect.id_journal;
        CQueenBeeCache::QueenBee queen;
        queen.name = u"Зорька";
        queen.id_family = colony;
        queen.date = LocalMidnight(2024, 5, 20);
        ASSERT_NE(GetJournalHandlers()->queens.Add(queen), 0);
    }

    void Export(UINT entry, const std::filesystem::path& target)
    {
        menus.Choose(entry);
        files.Answer(FromPath(target));
        CExportCommand(&host, nullptr, 0).Run({});
    }

    // The caption of a form's label as a column has it, without its colon.
    std::u16string Caption(std::int32_t id) const
    {
        std::u16string text = Text(id);
        if (!text.empty() && text.back() == u':')
            text.pop_back();
        return text;
    }

    std::int32_t colony = 0;
    std::int32_t record = 0;
    MenuResponder menus;
    FileDialogResponder files;
};

// The header row of a sheet, A1 onwards.
std::vector<std::u16string> HeaderOf(const std::map<std::string, BookParts::Cell>& cells)
{
    std::vector<std::u16string> header;
    for (char column = 'A'; cells.count(std::string(1, column) + "1"); ++column)
        header.push_back(cells.at(std::string(1, column) + "1").value);
    return header;
}
}

TEST_P(ReadableJournalTest, TheSpreadsheetHasASheetPerKindInTheBeekeepersWordsWithNamesBesideNumbersAndTypedCells)
{
    MakeJournal();
    const std::filesystem::path file = m_dir.Path() / "readable.xlsx";
    Export(CExportCommand::IdReadableBook, file);
    ASSERT_EQ(files.Calls().size(), 1u);
    EXPECT_EQ(ToPath(files.Calls()[0].initialPath).filename(), ToPath(Text(StringId::ReadableJournalName) + u".xlsx"));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportBookDone) + u"\n" + FromPath(file));

    const BookParts book(file);
    ASSERT_EQ(book.SheetNames(),
        (std::vector<std::u16string> { Text(StringId::PointViewSettingsTitle), Text(StringId::FamilyViewSettingsTitle),
            Text(StringId::HivesSheetName), Text(StringId::RecordViewSettingsTitle), Text(StringId::HiveLinesSheetName),
            Text(StringId::QueensSheetName), Text(StringId::EventsSheetName), Text(StringId::EventQueensSheetName) }));
    EXPECT_EQ(book.Sheets()[0].frozenAt, "A2");
    EXPECT_TRUE(book.Cells(1).at("A1").bold);

    const auto& colonies = book.Cells(2);
    EXPECT_EQ(HeaderOf(colonies),
        (std::vector<std::u16string> { Text(StringId::ColonyNumberColumn), Text(StringId::FamilyNameField),
            Text(StringId::FamilyTypeField), Text(StringId::NoteField), Text(StringId::SiteNumberColumn),
            Text(StringId::PointNameField), kOrigin }));
    EXPECT_EQ(colonies.at("A2").type, "int");
    EXPECT_EQ(colonies.at("A2").value, IntToText(colony));
    EXPECT_EQ(colonies.at("B2").value, u"Липа; 1");
    EXPECT_EQ(colonies.at("C2").value, Text(StringId::FamilyTypeNone));
    EXPECT_EQ(colonies.at("F2").value, u"Луг «Север»");
    EXPECT_EQ(colonies.at("G2").value, u"рой");

    // Every column of the records, whatever the page shows, then the user's field as a number.
    const auto& records = book.Cells(4);
    const std::vector<std::u16string> recordHeader = HeaderOf(records);
    ASSERT_EQ(recordHeader.size(), 15u);
    EXPECT_EQ(recordHeader[2], Text(StringId::FamilyNameField));
    EXPECT_EQ(recordHeader[4], Text(StringId::RecordDateField));
    EXPECT_EQ(recordHeader[12], Text(StringId::DiseaseField));
    EXPECT_EQ(recordHeader[14], kWeight);
    EXPECT_EQ(records.at("A2").value, IntToText(record));
    EXPECT_EQ(records.at("B2").value, IntToText(colony));
    EXPECT_EQ(records.at("C2").value, u"Липа; 1");
    EXPECT_EQ(records.at("D2").value, u"Луг «Север»");
    EXPECT_EQ(records.at("E2").type, "datetime");
    EXPECT_EQ(records.at("E2").value, u"2025-06-12");
    EXPECT_EQ(records.at("F2").type, "int");
    EXPECT_EQ(records.at("F2").value, u"9");
    EXPECT_EQ(records.at("M2").value, Text(StringId::DiseaseNone));
    EXPECT_EQ(records.at("O2").type, "float");
    EXPECT_EQ(records.at("O2").value, u"12.5");

    const auto& lines = book.Cells(5);
    EXPECT_EQ(lines.at("A2").value, IntToText(record));
    EXPECT_EQ(lines.at("B2").type, "datetime");
    EXPECT_EQ(lines.at("C2").value, u"Липа; 1");
    EXPECT_EQ(lines.at("E1").value, Text(StringId::HousingNameField));
    EXPECT_EQ(lines.at("E2").value, u"Улей 7");
    EXPECT_EQ(lines.at("G2").type, "int");
    EXPECT_EQ(lines.at("G2").value, u"4");

    const auto& queens = book.Cells(6);
    EXPECT_EQ(queens.at("B2").value, u"Зорька");
    EXPECT_EQ(queens.at("D2").value, u"Липа; 1");
    EXPECT_EQ(queens.at("F1").value, Caption(StringId::QueenBirthDateLabel));
    EXPECT_EQ(queens.at("F2").type, "datetime");
    EXPECT_EQ(queens.at("F2").value, u"2024-05-20");
    EXPECT_EQ(queens.at("I2").value, Text(StringId::AnswerYes));

    // Taken in, the book offers its records, not its first sheet.
    const auto tables = ReadSheetFile(file);
    ASSERT_TRUE(tables);
    EXPECT_EQ(tables->size(), 8u);
    EXPECT_EQ(RecordsTable(*tables).header, recordHeader);

    // The events' sheet has its columns, and no row in a journal without events.
    const auto& events = book.Cells(7);
    std::u16string eventColumns;
    for (const std::u16string& caption : HeaderOf(events))
        eventColumns += (eventColumns.empty() ? u"" : u";") + caption;
    EXPECT_EQ(eventColumns, Text(StringId::EventsFileColumns));
    EXPECT_EQ(events.count("A2"), 0u);
}

TEST_P(ReadableJournalTest, TheCsvFilesAreNamedAfterTheSheetsInTheLanguagesStyle)
{
    MakeJournal();
    std::filesystem::create_directory("readable");
    Export(CExportCommand::IdReadableCsv, m_dir.Path() / "readable");
    ASSERT_EQ(files.Calls().size(), 1u);
    EXPECT_EQ(files.Calls()[0].kind, FileDialogResponder::Kind::Folder);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportJournalDone) + u"\n" + FromPath(m_dir.Path() / "readable"));

    const char separator = Russian() ? ';' : ',';
    bool failure = false;
    const std::filesystem::path records = m_dir.Path() / "readable" / ToPath(Text(StringId::RecordViewSettingsTitle) + u".csv");
    const CsvRows rows = ParseCsv(ReadFileBytes(records.string()), failure, separator);
    EXPECT_FALSE(failure);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][4], Text(StringId::RecordDateField));
    EXPECT_EQ(rows[1][2], u"Липа; 1");
    EXPECT_EQ(rows[1][4], u"2025-06-12");
    EXPECT_EQ(rows[1][14], Russian() ? u"12,5" : u"12.5");
    for (const std::int32_t sheet : { StringId::PointViewSettingsTitle, StringId::FamilyViewSettingsTitle,
             StringId::HivesSheetName, StringId::HiveLinesSheetName, StringId::QueensSheetName, StringId::EventsSheetName }) {
        EXPECT_TRUE(std::filesystem::exists(m_dir.Path() / "readable" / ToPath(Text(sheet) + u".csv")));
    }

    // Taken back in, the records are found in the journal, each by its colony's name and figures.
    const auto tables = ReadSheetFile(records);
    ASSERT_TRUE(tables);
    const SheetTable& table = tables->front();
    const ImportPlan plan = PlanTableImport(table, GuessImportMapping(table.header, { kWeight }), 0);
    EXPECT_TRUE(plan.records.empty());
    EXPECT_TRUE(plan.newSites.empty() && plan.newColonies.empty());
    ASSERT_EQ(plan.skipped.size(), 1u);
    EXPECT_EQ(plan.skipped[0].reason, ImportSkipReason::AlreadyInJournal);

    // A folder that cannot take the files says so.
    std::ofstream("taken") << "x";
    Export(CExportCommand::IdReadableCsv, m_dir.Path() / "taken");
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::ExportJournalFailed) + u"\n" + FromPath(m_dir.Path() / "taken"));
}

INSTANTIATE_TEST_SUITE_P(Languages, ReadableJournalTest, ShippedLanguages(), LanguageName);
