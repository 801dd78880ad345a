#include "TablePageFixture.h"

#include "BookParts.h"
#include "Calendar.h"
#include "CsvRows.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "JournalHandlers.h"
#include "Menu.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {
using Rows = CsvRows;

const std::initializer_list<const char16_t*> kFamilyChecksForExport { u"check_bees", u"check_brood", u"check_honey",
    u"check_wox", u"check_frame", u"check_housing", u"check_birthday_bee_queen", u"check_exist_bee_queen",
    u"check_type", u"check_note" };
const std::initializer_list<const char16_t*> kRecordChecksForExport { u"check_good_honey", u"check_pump_honey",
    u"check_feeding", u"check_seal_brood", u"check_open_brood", u"check_give_wox", u"check_ambrosia",
    u"check_diseases", u"check_note" };

// The grid as the user sees it: the captions, then the cells row by row.
Rows Shown(const CTableDrawer& grid)
{
    Rows rows(1);
    for (const auto& header : grid.Headers())
        rows[0].push_back(header->Text());
    for (const auto& row : grid.Rows()) {
        rows.emplace_back();
        for (const auto& header : grid.Headers())
            rows.back().push_back(grid.GetCellText(row.get(), header->ColumnId()));
    }
    return rows;
}

Rows ReadCsv(const std::filesystem::path& file, char separator)
{
    bool failure = false;
    Rows rows = ParseCsv(ReadFileBytes(file.string()), failure, separator);
    EXPECT_FALSE(failure);
    return rows;
}

// The file as Python's csv module reads it, each field and each row ended by a control character
// no journal text holds; empty when Python could not read it.
Rows ReadWithPython(const std::filesystem::path& file, char separator)
{
    const std::filesystem::path out = file.parent_path() / "python.txt";
    const std::string command = "python3 -c \"import csv,sys\n"
                                "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline=''), delimiter=sys.argv[3]))\n"
                                "open(sys.argv[2], 'w', encoding='utf-8', newline='').write("
                                "''.join(''.join(f + chr(31) for f in r) + chr(30) for r in rows))\" '"
        + file.string() + "' '" + out.string() + "' '" + separator + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    Rows rows(1);
    std::u16string field;
    for (const char16_t c : FromUtf8(ReadFileBytes(out.string()))) {
        if (c == 31) {
            rows.back().push_back(field);
            field.clear();
        } else if (c == 30) {
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    rows.pop_back();
    return rows;
}

class ExportCommandTest : public TablePageTest
{
protected:
    // Exports the current table of the page into the file, as the menu's first entry does.
    void ExportTable(CViewTable* view, int pageCode, const std::filesystem::path& file,
        UINT entry = CExportCommand::IdCurrentTable)
    {
        menus.Choose(entry);
        files.Answer(FromPath(file));
        CExportCommand(&host, view, pageCode).Run({});
    }
    // The CSV style of the language, as its spreadsheets read it.
    char Separator() const { return Russian() ? ';' : ','; }

    MenuResponder menus;
    FileDialogResponder files;
};
}

TEST_P(ExportCommandTest, TheColoniesTableRoundTripsThroughTwoIndependentReadersWithItsShownColumns)
{
    SettingValues values = AllChecks(kFamilyChecksForExport, u"unchecked");
    values.emplace_back(u"check_note", u"checked");
    values.emplace_back(u"check_frame", u"checked");
    Start(kFamilyViewSettingsKey, values);
    AddUserField(OwnerKind::Colony, u"Origin");
    const std::int32_t site = AddPoint(u"Meadow");
    AddFamily(site, u"Comma, colony", { { u"Origin", u"swarm, May" } });
    AddFamily(site, u"Say \"hello\"");
    AddFamily(site, u"Two\nlines");
    AddFamily(site, u"Пасека №1 «Липа»");

    CViewFamilies* view = Show<CViewFamilies>(site);
    const Rows shown = Shown(view->Grid().Drawer());
    // Name, frames, note and the user field: the columns the settings switch on, in the page's order.
    ASSERT_EQ(shown[0].size(), 4u);
    EXPECT_EQ(shown[0][0], Text(StringId::FamilyNameField));
    EXPECT_NE(std::find(shown[0].begin(), shown[0].end(), u"Origin"), shown[0].end());
    ASSERT_EQ(shown.size(), 5u);

    const std::filesystem::path file = m_dir.Path() / "Колонии, май.csv";
    ExportTable(view, PageColonies, file);
    ASSERT_EQ(menus.Calls().size(), 1u);
    EXPECT_EQ(menus.Calls()[0].items[0].text, Text(StringId::ExportCurrentTable));
    EXPECT_EQ(menus.Calls()[0].items[0].flags, static_cast<UINT>(MF_STRING));
    ASSERT_EQ(files.Calls().size(), 1u);
    EXPECT_EQ(files.Calls()[0].kind, FileDialogResponder::Kind::SaveFile);
    EXPECT_EQ(ToPath(files.Calls()[0].initialPath).filename(), ToPath(Text(StringId::FamilyViewSettingsTitle) + u".csv"));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportTableDone) + u"\n" + FromPath(file));

    const std::string bytes = ReadFileBytes(file.string());
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(ReadCsv(file, Separator()), shown);
    EXPECT_EQ(ReadWithPython(file, Separator()), shown);
    bool linefeedKept = false;
    for (const auto& row : shown)
        linefeedKept = linefeedKept || row[0] == u"Two\nlines";
    EXPECT_TRUE(linefeedKept);
}

TEST_P(ExportCommandTest, RecordsGoWithIsoDatesAndTheHiveLinesOfTheSelectedRecordIntoAFileBeside)
{
    Start(kRecordViewSettingsKey, AllChecks(kRecordChecksForExport, u"unchecked"));
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"Acacia");
    const LocalTime today = ToLocalTime(CurrentTime()).value();
    // The first second of today: the records page's range ends now, so a later hour of today is not shown yet.
    const std::int64_t morning = LocalMidnight(today.year, today.month, today.day);
    CJournalCache::HiveRow hive;
    hive.name_housing = u"Top, left";
    hive.brood = 3;
    InspectData inspect;
    inspect.record.id_family = family;
    inspect.record.date = morning;
    inspect.record.hives = { hive };
    ASSERT_TRUE(journal->AddInspect(inspect));

    CViewInspect* view = Show<CViewInspect>(family);
    ClickRow(view, view->Grid(), 0);
    ASSERT_EQ(view->LowerGrid().Drawer().Rows().size(), 1u);
    const std::filesystem::path file = m_dir.Path() / "records.csv";
    ExportTable(view, PageInspections, file);

    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", today.year, today.month, today.day);
    const Rows records = ReadCsv(file, Separator());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], Shown(view->Grid().Drawer())[0]);
    EXPECT_EQ(records[1][0], FromUtf8(iso));
    const std::filesystem::path hives = m_dir.Path() / ToPath(u"records - " + Text(StringId::HiveLinesFileSuffix) + u".csv");
    EXPECT_EQ(ReadCsv(hives, Separator()), Shown(view->LowerGrid().Drawer()));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportTableDone) + u"\n" + FromPath(file) + u"\n" + FromPath(hives));

    // As a spreadsheet, the hive lines are a second sheet, and dates and numbers keep their kinds.
    const std::filesystem::path book = m_dir.Path() / "records.xlsx";
    ExportTable(view, PageInspections, book, CExportCommand::IdCurrentTableBook);
    const BookParts read(book);
    ASSERT_EQ(read.SheetNames(), (std::vector<std::u16string> { Text(StringId::RecordViewSettingsTitle),
                                     Text(StringId::HiveLinesFileSuffix) }));
    EXPECT_EQ(read.Cells(1).at("A1").value, records[0][0]);
    EXPECT_EQ(read.Cells(1).at("A2").type, "datetime");
    EXPECT_EQ(read.Cells(1).at("A2").value, FromUtf8(iso));
    EXPECT_EQ(read.Cells(2).at("A2").value, u"Top, left");
    EXPECT_EQ(read.Cells(2).at("B2").type, "int");
    EXPECT_EQ(read.Cells(2).at("B2").value, u"3");
}

TEST_P(ExportCommandTest, AFileThatCannotBeWrittenIsReportedAsAFailureAndCancelWritesNothing)
{
    Start(kFamilyViewSettingsKey, {});
    const std::int32_t site = AddPoint(u"Meadow");
    AddFamily(site, u"Acacia");
    CViewFamilies* view = Show<CViewFamilies>(site);

    const std::filesystem::path file = m_dir.Path() / "no such folder" / "colonies.csv";
    ExportTable(view, PageColonies, file);
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportTableFailed) + u"\n" + FromPath(file));
    EXPECT_EQ(boxes.Calls()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));

    // Cancel in the file dialog, then no choice in the menu: no file, no message.
    menus.Choose(CExportCommand::IdCurrentTable);
    CExportCommand(&host, view, PageColonies).Run({});
    CExportCommand(&host, view, PageColonies).Run({});
    EXPECT_EQ(files.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_P(ExportCommandTest, EachShownDateOfACellBecomesAnIsoDate)
{
    SettingValues values = AllChecks(kFamilyChecksForExport, u"unchecked");
    values.emplace_back(u"check_birthday_bee_queen", u"checked");
    Start(kFamilyViewSettingsKey, values);
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t acacia = AddFamily(site, u"Acacia");
    for (const auto& [year, month, day] : { std::tuple(2023, 5, 20), std::tuple(2024, 6, 1) }) {
        CQueenBeeCache::QueenBee queen;
        queen.id_family = acacia;
        queen.date = LocalMidnight(year, month, day);
        ASSERT_NE(GetJournalHandlers()->queens.Add(queen), 0);
    }

    CViewFamilies* view = Show<CViewFamilies>(site);
    const Rows shown = Shown(view->Grid().Drawer());
    ASSERT_EQ(shown.size(), 2u);
    ASSERT_EQ(shown[1].size(), 2u);
    ASSERT_NE(shown[1][1].find(u"20.05.2023"), std::u16string::npos);
    const std::filesystem::path file = m_dir.Path() / "queens.csv";
    ExportTable(view, PageColonies, file);
    const Rows rows = ReadCsv(file, Separator());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (std::vector<std::u16string> { u"Acacia", u"2023-05-20 2024-06-01" }));
}

INSTANTIATE_TEST_SUITE_P(Languages, ExportCommandTest, ShippedLanguages(), LanguageName);
