#include "JournalWindowFixture.h"

#include "BackupDialog.h"
#include "BookParts.h"
#include "Calendar.h"
#include "CsvRows.h"
#include "Dialog.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "FolderOpener.h"
#include "JournalData.h"
#include "JournalPages.h"
#include "JournalToolbar.h"
#include "KeptBackups.h"
#include "ListBox.h"
#include "PointFamilyCache.h"
#include "Tr.h"

#include <fstream>

namespace {
// The journal window with the program's own pages, and its backups.
class BackupDialogTest : public JournalWindowTest
{
protected:
    BackupDialogTest()
        : JournalWindowTest(JournalPageFactories())
    {
    }

    // Opens the backup dialog from the toolbar and runs the action in it.
    void InDialog(std::function<void(CBackupDialog&)> action)
    {
        bool shown = false;
        dialogs.Then([&](CDialog& dialog) {
            auto* backups = dynamic_cast<CBackupDialog*>(&dialog);
            ASSERT_NE(backups, nullptr);
            shown = true;
            action(*backups);
        });
        ClickToolbarButton(CJournalToolbar::IdBackups);
        EXPECT_TRUE(shown);
    }

    static void ClickButton(CDialog& dialog, UINT id)
    {
        CWnd* button = dialog.GetDlgItem(static_cast<int>(id));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsWindowEnabled());
        UiTest::Click(button, 5, 5);
        UiTest::ProcessEvents();
    }

    static void ClickEntry(CBackupDialog& dialog, int index)
    {
        RECT place {};
        dialog.List()->GetItemRect(index, &place);
        UiTest::Click(dialog.List(), place.left + 5, (place.top + place.bottom) / 2);
        UiTest::ProcessEvents();
    }

    DialogResponder dialogs;
};
}

TEST_P(BackupDialogTest, ListsEachBackupNewestFirstWithItsSizeAndCounts)
{
    JournalBackups().BackUp();
    journal->DeleteFamily(5);
    for (const std::int64_t date : { 1777600000, 1777700000 }) {
        InspectData inspect;
        inspect.record.id_family = 3;
        inspect.record.date = date;
        ASSERT_NE(journal->AddInspect(inspect), 0);
    }
    InDialog([&](CBackupDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::BackupDialogTitle));
        EXPECT_EQ(dialog.GetDlgItem(CBackupDialog::IdColoniesCaption)->GetWindowText(), Text(StringId::BackupColoniesColumn));
        ASSERT_EQ(dialog.Entries().size(), 1u);
        ClickButton(dialog, CBackupDialog::IdBackUpNow);
        ASSERT_EQ(dialog.Entries().size(), 2u);
        EXPECT_EQ(dialog.List()->GetCount(), 2);
        const CBackupDialog::Entry& newest = dialog.Entries()[0];
        const CBackupDialog::Entry& oldest = dialog.Entries()[1];
        EXPECT_GT(newest.file.filename(), oldest.file.filename());
        EXPECT_TRUE(newest.counts.readable);
        EXPECT_EQ(newest.counts.colonies, 3);
        EXPECT_EQ(newest.counts.records, 2);
        EXPECT_EQ(oldest.counts.colonies, 4);
        EXPECT_EQ(oldest.counts.records, 0);
        EXPECT_EQ(newest.size, IntToText(static_cast<std::int64_t>((std::filesystem::file_size(newest.file) + 1023) / 1024))
                + u" " + Text(StringId::SizeKilobytes));
        // "dd.mm.yyyy hh:mm:ss" from the name's stamp.
        ASSERT_EQ(newest.taken.size(), 19u);
        EXPECT_EQ(newest.taken.substr(6, 4), FromPath(newest.file.filename()).substr(8, 4));
        EXPECT_EQ(dialog.List()->GetCurSel(), 0);
        // The selected row is drawn in the selection colour, the next one not.
        RECT first {};
        dialog.List()->GetItemRect(0, &first);
        const UiTest::Image image = UiTest::Grab(dialog.List());
        EXPECT_EQ(image.At(first.right - 3, (first.top + first.bottom) / 2), RGB(221, 165, 54));
        EXPECT_NE(image.At(first.right - 3, first.bottom + 3), RGB(221, 165, 54));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(BackupDialogTest, RestoringAfterADeleteBringsTheColonyBackInTheStoreAndTheTree)
{
    InDialog([&](CBackupDialog& dialog) { ClickButton(dialog, CBackupDialog::IdBackUpNow); });
    journal->DeleteFamily(5);
    UiTest::ProcessEvents();
    ASSERT_EQ(Item(u"Linden"), nullptr);
    ASSERT_EQ(GetPointFamilyCache()->FindFamily(5), nullptr);

    // No keeps the journal as it is; Yes restores.
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    InDialog([&](CBackupDialog& dialog) {
        ASSERT_EQ(dialog.Entries().size(), 1u);
        ClickEntry(dialog, 0);
        ClickButton(dialog, CBackupDialog::IdRestore);
        EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 3);
        ClickButton(dialog, CBackupDialog::IdRestore);
        // The journal as it was before the restore is a backup too.
        EXPECT_EQ(dialog.Entries().size(), 2u);
    });
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(boxes.Calls()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_NE(boxes.Calls()[0].text.find(Text(StringId::RestoreQuestion)), std::u16string::npos);
    EXPECT_EQ(boxes.Calls()[2].text.find(Text(StringId::RestoreDone)), 0u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 4);
    ASSERT_NE(GetPointFamilyCache()->FindFamily(5), nullptr);
    EXPECT_EQ(ChildLabels(Item(u"North")), (std::vector<std::u16string> { u"Acacia", u"Linden" }));
}

TEST_P(BackupDialogTest, AFileThatIsNoJournalIsRefusedAndTheJournalStaysAsItWas)
{
    std::filesystem::create_directory("backups");
    std::ofstream("backups/Journal-20260101-080000-000.db", std::ios::binary) << "bees are not a database";
    InDialog([&](CBackupDialog& dialog) {
        ASSERT_EQ(dialog.Entries().size(), 1u);
        EXPECT_FALSE(dialog.Entries()[0].counts.readable);
        boxes.Answer(IDYES);
        ClickButton(dialog, CBackupDialog::IdRestore);
        EXPECT_EQ(dialog.Entries().size(), 1u);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::RestoreNotJournal));
    EXPECT_EQ(boxes.Calls()[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 4);
    EXPECT_EQ(ChildLabels(Item(u"North")), (std::vector<std::u16string> { u"Acacia", u"Linden" }));
}

TEST_P(BackupDialogTest, OpenFolderShowsTheBackupFolderInTheFileManager)
{
    FolderOpenResponder opened;
    InDialog([&](CBackupDialog& dialog) {
        EXPECT_FALSE(dialog.GetDlgItem(CBackupDialog::IdRestore)->IsWindowEnabled());
        ClickButton(dialog, CBackupDialog::IdOpenFolder);
    });
    ASSERT_EQ(opened.Folders().size(), 1u);
    EXPECT_EQ(ToPath(opened.Folders()[0]), std::filesystem::absolute("backups"));
    EXPECT_TRUE(std::filesystem::is_directory("backups"));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(BackupDialogTest, ABackupThatCannotBeWrittenIsReportedAndNothingIsListed)
{
    // A file where the folder should be: neither a backup nor the folder can be made.
    std::ofstream("backups") << "in the way";
    FolderOpenResponder opened;
    InDialog([&](CBackupDialog& dialog) {
        ClickButton(dialog, CBackupDialog::IdBackUpNow);
        EXPECT_TRUE(dialog.Entries().empty());
        ClickButton(dialog, CBackupDialog::IdOpenFolder);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::BackupFailed));
    EXPECT_EQ(boxes.Calls()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(boxes.Calls()[1].text.find(Text(StringId::OpenFolderFailed)), 0u);
    EXPECT_TRUE(opened.Folders().empty());
}

TEST_P(BackupDialogTest, ExportMenuOpensUnderItsButton)
{
    ClickItem(u"North");
    auto* bar = dynamic_cast<CToolBar*>(Window()->GetDlgItem(0xE800));
    ASSERT_NE(bar, nullptr);
    CRect button;
    for (int index = 0; index < bar->GetCount(); ++index) {
        if (bar->GetItemID(index) == CJournalToolbar::IdExport)
            bar->GetItemRect(index, &button);
    }
    ASSERT_FALSE(button.IsRectEmpty());
    CPoint under(button.left, button.bottom);
    bar->ClientToScreen(&under);
    ClickToolbarButton(CJournalToolbar::IdExport);
    ASSERT_EQ(menus.Calls().size(), 1u);
    EXPECT_EQ(menus.Calls()[0].point.x, under.x);
    EXPECT_EQ(menus.Calls()[0].point.y, under.y);
}

TEST_P(BackupDialogTest, ExportOffersTheShownTableOrTheWholeJournalIntoAFolder)
{
    FileDialogResponder files;
    ClickItem(u"North");
    const std::filesystem::path table = dir.Path() / "north.csv";
    files.Answer(FromPath(table));
    menus.Choose(CExportCommand::IdCurrentTable);
    ClickToolbarButton(CJournalToolbar::IdExport);
    // Each language's spreadsheets read their own CSV style.
    bool failure = false;
    const CsvRows rows = ParseCsv(ReadFileBytes(table.string()), failure, Russian() ? ';' : ',');
    EXPECT_FALSE(failure);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_GT(rows[0].size(), 1u);
    EXPECT_EQ(rows[0][0], Text(StringId::FamilyNameField));
    EXPECT_EQ(rows[1][0], u"Acacia");
    EXPECT_EQ(rows[2][0], u"Linden");

    std::filesystem::create_directory("whole");
    files.Answer(FromPath(dir.Path() / "whole"));
    menus.Choose(CExportCommand::IdWholeJournal);
    ClickToolbarButton(CJournalToolbar::IdExport);
    EXPECT_TRUE(std::filesystem::exists("whole/families.csv"));
    EXPECT_TRUE(std::filesystem::exists("whole/points.csv"));
    ASSERT_EQ(files.Calls().size(), 2u);
    EXPECT_EQ(files.Calls()[1].kind, FileDialogResponder::Kind::Folder);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::ExportJournalDone) + u"\n" + FromPath(dir.Path() / "whole"));

    // A folder that is a file takes nothing, and says so.
    std::ofstream("taken") << "x";
    files.Answer(FromPath(dir.Path() / "taken"));
    menus.Choose(CExportCommand::IdWholeJournal);
    ClickToolbarButton(CJournalToolbar::IdExport);
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(boxes.Calls()[2].text, Text(StringId::ExportJournalFailed) + u"\n" + FromPath(dir.Path() / "taken"));

    // On a form there is no table: the first entry is greyed.
    ChooseFromMenu(u"North", 4);
    UiTest::ProcessEvents(20);
    menus.Choose(CExportCommand::IdCurrentTable);
    ClickToolbarButton(CJournalToolbar::IdExport);
    EXPECT_EQ(menus.Calls().back().items[0].flags, static_cast<UINT>(MF_GRAYED));
    ASSERT_EQ(boxes.Calls().size(), 4u);
    EXPECT_EQ(boxes.Calls()[3].text, Text(StringId::ExportNoTable));
    EXPECT_EQ(files.Calls().size(), 3u);
}

TEST_P(BackupDialogTest, TheCsvStyleChosenInTheMenuIsKeptForTheNextExports)
{
    FileDialogResponder files;
    ClickItem(u"North");
    menus.Choose(Russian() ? CExportCommand::IdCommaStyle : CExportCommand::IdSemicolonStyle);
    ClickToolbarButton(CJournalToolbar::IdExport);
    const auto& offered = menus.Calls().front().items;
    // Its three sites' field sheets follow the register.
    ASSERT_EQ(offered.size(), 19u);
    EXPECT_EQ(offered[4].text, Text(StringId::ExportReadableBook));
    // The tasks' calendar, greyed in a journal without their table.
    EXPECT_EQ(offered[7].text, Text(StringId::ExportTasksCalendar));
    EXPECT_NE(offered[7].flags & MF_GRAYED, 0u);
    EXPECT_EQ(offered[10].text, Text(StringId::ImportTableMenu));
    // This year's register, greyed in a journal without the care's tables.
    EXPECT_EQ(offered[12].text, TrFilled(StringId::RegisterMenu, { IntToText(YearOf(CurrentTime())) }));
    EXPECT_NE(offered[12].flags & MF_GRAYED, 0u);
    EXPECT_EQ(offered[13].text, TrFilled(StringId::FieldSheetMenu, { u"North" }));
    EXPECT_EQ(offered[13].flags & MF_GRAYED, 0u);
    EXPECT_EQ(offered[17].text, Text(StringId::CsvCommaStyle));
    EXPECT_EQ(offered[17].flags & MF_CHECKED, Russian() ? 0u : static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(offered[18].flags & MF_CHECKED, Russian() ? static_cast<UINT>(MF_CHECKED) : 0u);
    EXPECT_TRUE(files.Calls().empty());

    const std::filesystem::path table = dir.Path() / "north.csv";
    files.Answer(FromPath(table));
    menus.Choose(CExportCommand::IdCurrentTable);
    ClickToolbarButton(CJournalToolbar::IdExport);
    EXPECT_NE(menus.Calls().back().items[Russian() ? 17 : 18].flags & MF_CHECKED, 0u);
    bool failure = false;
    const CsvRows rows = ParseCsv(ReadFileBytes(table.string()), failure, Russian() ? ',' : ';');
    EXPECT_FALSE(failure);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], Text(StringId::FamilyNameField));
    EXPECT_GT(rows[0].size(), 1u);
}

TEST_P(BackupDialogTest, TheShownTableAndTheWholeJournalGoIntoSpreadsheetFiles)
{
    FileDialogResponder files;
    ClickItem(u"North");
    const std::filesystem::path table = dir.Path() / "north.xlsx";
    files.Answer(FromPath(table));
    menus.Choose(CExportCommand::IdCurrentTableBook);
    ClickToolbarButton(CJournalToolbar::IdExport);
    ASSERT_EQ(files.Calls().size(), 1u);
    const BookParts book(table);
    ASSERT_EQ(book.SheetNames().size(), 1u);
    const auto cells = book.Cells(1);
    EXPECT_EQ(cells.at("A1").value, Text(StringId::FamilyNameField));
    EXPECT_EQ(cells.at("A2").value, u"Acacia");
    EXPECT_EQ(cells.at("A3").value, u"Linden");

    const std::filesystem::path journal = dir.Path() / "journal.xlsx";
    files.Answer(FromPath(journal));
    menus.Choose(CExportCommand::IdWholeJournalBook);
    ClickToolbarButton(CJournalToolbar::IdExport);
    EXPECT_EQ(BookParts(journal).SheetNames().size(), 11u);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::ExportBookDone) + u"\n" + FromPath(journal));
}

TEST_P(BackupDialogTest, TheJournalWrittenForMovingIsNotTakenBackIntoAJournalThatHoldsIt)
{
    FileDialogResponder files;
    ClickItem(u"North");
    const std::filesystem::path moved = dir.Path() / "moved.json";
    files.Answer(FromPath(moved));
    menus.Choose(CExportCommand::IdWholeJournalJson);
    ClickToolbarButton(CJournalToolbar::IdExport);
    ASSERT_EQ(files.Calls().size(), 1u);
    EXPECT_EQ(files.Calls()[0].kind, FileDialogResponder::Kind::SaveFile);
    EXPECT_EQ(files.Calls()[0].title, Text(StringId::ExportJsonSaveTitle));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportJsonDone) + u"\n" + FromPath(moved));
    const std::string json = ReadFileBytes(moved.string());
    EXPECT_NE(json.find("\"Acacia\""), std::string::npos);

    files.Answer(FromPath(moved));
    menus.Choose(CExportCommand::IdImportJournalJson);
    ClickToolbarButton(CJournalToolbar::IdExport);
    ASSERT_EQ(files.Calls().size(), 2u);
    EXPECT_EQ(files.Calls()[1].kind, FileDialogResponder::Kind::OpenFile);
    EXPECT_EQ(files.Calls()[1].title, Text(StringId::ImportTitle));
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::ImportJournalNotEmpty) + u"\n" + FromPath(moved));
}

INSTANTIATE_TEST_SUITE_P(Languages, BackupDialogTest, ShippedLanguages(), LanguageName);
