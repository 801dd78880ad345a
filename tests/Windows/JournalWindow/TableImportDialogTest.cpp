#include "TablePageFixture.h"

#include "Calendar.h"
#include "ComboBox.h"
#include "Dialog.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "ImportDialog.h"
#include "JournalCache.h"
#include "Menu.h"
#include "ViewInspect.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {
std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool Holds(const std::u16string& text, const std::u16string& part)
{
    return text.find(part) != std::u16string::npos;
}

class TableImportDialogTest : public TablePageTest
{
protected:
    // Chooses taking in a table from the export menu, opens the file and drives the mapping dialog.
    void Import(const std::filesystem::path& file, std::int32_t pageColony, std::function<void(CImportDialog&)> drive)
    {
        bool shown = false;
        dialogs.Then([&](CDialog& dialog) {
            auto* import = dynamic_cast<CImportDialog*>(&dialog);
            ASSERT_NE(import, nullptr);
            shown = true;
            EXPECT_EQ(import->GetWindowText(), Text(StringId::ImportTableTitle));
            drive(*import);
        });
        menus.Choose(CExportCommand::IdImportTable);
        files.Answer(FromPath(file));
        CExportCommand(&host, page.get(), PageInspections, pageColony).Run({});
        EXPECT_TRUE(shown);
    }

    static void Click(CDialog& dialog, int id)
    {
        CWnd* button = dialog.GetDlgItem(id);
        ASSERT_TRUE(button->IsWindowEnabled());
        UiTest::Click(button, 5, 5);
        UiTest::ProcessEvents();
    }

    static std::u16string Preview(CImportDialog& dialog)
    {
        return dialog.GetDlgItem(CImportDialog::IdPreview)->GetWindowText();
    }

    static std::u16string Chosen(CImportDialog& dialog, std::size_t column)
    {
        return dialog.Target(column)->GetWindowText();
    }

    // The colony's records as the page shows them (date, frames, strength and note), in any order.
    static std::vector<std::tuple<std::int64_t, int, int, std::u16string>> RecordsOf(std::int32_t colony)
    {
        std::vector<std::tuple<std::int64_t, int, int, std::u16string>> records;
        for (const std::int32_t id : GetJournalCache()->RecordsOf(colony)) {
            const auto* record = GetJournalCache()->FindRecord(id);
            records.emplace_back(record->date, record->frame, record->strength, record->note);
        }
        std::sort(records.begin(), records.end());
        return records;
    }

    MenuResponder menus;
    FileDialogResponder files;
    DialogResponder dialogs;
};
}

TEST_P(TableImportDialogTest, TheRecordsPagesOwnExportsTakeBackInIntoAnotherColony)
{
    Start(kRecordViewSettingsKey, { { u"check_note", u"checked" }, { u"check_diseases", u"unchecked" } });
    const std::int32_t site = AddPoint(u"Луг");
    const std::int32_t acacia = AddFamily(site, u"Акация");
    const LocalTime today = ToLocalTime(CurrentTime()).value();
    const std::int64_t morning = LocalMidnight(today.year, today.month, today.day);
    for (int i = 1; i <= 3; ++i) {
        InspectData inspect;
        inspect.record.id_family = acacia;
        inspect.record.date = morning;
        inspect.record.frame = 7 + i;
        inspect.record.strength = 4 + i;
        inspect.record.note = u"Осмотр; «" + IntToText(i) + u"», спокойные";
        ASSERT_NE(journal->AddInspect(inspect), 0);
    }
    CViewInspect* view = Show<CViewInspect>(acacia);
    ASSERT_EQ(view->Grid().Drawer().Rows().size(), 3u);

    for (const UINT entry : { CExportCommand::IdCurrentTable, CExportCommand::IdCurrentTableBook }) {
        const bool book = entry == CExportCommand::IdCurrentTableBook;
        const std::filesystem::path file = m_dir.Path() / (book ? "records.xlsx" : "records.csv");
        menus.Choose(entry);
        files.Answer(FromPath(file));
        CExportCommand(&host, view, PageInspections).Run({});

        const std::int32_t other = AddFamily(site, book ? u"Липа" : u"Клён");
        Import(file, other, [&](CImportDialog& dialog) {
            // The page's columns are known by their headers; the queen's state has no field to go to.
            EXPECT_EQ(dialog.GetDlgItem(CImportDialog::IdFirstColumn)->GetWindowText(), Text(StringId::RecordDateField));
            EXPECT_EQ(Chosen(dialog, 0), Text(StringId::RecordDateField));
            EXPECT_EQ(Chosen(dialog, 1), Text(StringId::FramesField));
            EXPECT_EQ(Chosen(dialog, 2), Text(StringId::StrengthField));
            EXPECT_EQ(Chosen(dialog, 3), Text(StringId::ImportTargetSkip));
            EXPECT_TRUE(Holds(Preview(dialog), Text(StringId::ImportPreviewRecords) + u" 3"));
            EXPECT_FALSE(Holds(Preview(dialog), Text(StringId::ImportPreviewNewColonies)));
            Click(dialog, IDOK);
        });
        ASSERT_FALSE(boxes.Calls().empty());
        EXPECT_EQ(boxes.Calls().back().text, Text(StringId::ImportTableDone) + u"\n3");
        EXPECT_EQ(RecordsOf(other), RecordsOf(acacia)) << (book ? "book" : "csv");
    }
}

TEST_P(TableImportDialogTest, TheBeekeeperMapsAColumnAndTheMappingIsRememberedWhileCancelWritesNothing)
{
    Start(kRecordViewSettingsKey, {});
    const std::filesystem::path file = m_dir.Path() / "notes.csv";
    std::ofstream(file, std::ios::binary) << ToUtf8(Russian() ? u"Когда;Пасека;Семья;Рамки\n05.06.2024;Луг;Север;8\n06.06.2024;Луг;Юг;9,5\n"
                                                              : u"When,Site,Colony,Frames\n05.06.2024,Meadow,North,8\n06.06.2024,Meadow,South,9.5\n");
    Import(file, 0, [&](CImportDialog& dialog) {
        EXPECT_EQ(Chosen(dialog, 0), Text(StringId::ImportTargetSkip));
        EXPECT_EQ(Chosen(dialog, 1), Text(StringId::PointNameField));
        EXPECT_TRUE(Holds(Preview(dialog), Text(StringId::ImportPreviewRecords) + u" 0"));
        EXPECT_TRUE(Holds(Preview(dialog), Text(StringId::ImportPreviewRow) + u" 2: " + Text(StringId::ImportSkipNoDate)));
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        // Down from "skip": site, colony, date.
        CComboBox* when = dialog.Target(0);
        when->SetFocus();
        for (int i = 0; i < 3; ++i)
            UiTest::KeyPress(when, VK_DOWN);
        UiTest::ProcessEvents();
        EXPECT_EQ(Chosen(dialog, 0), Text(StringId::RecordDateField));
        const std::u16string preview = Preview(dialog);
        EXPECT_TRUE(Holds(preview, Text(StringId::ImportPreviewRecords) + u" 1"));
        EXPECT_TRUE(Holds(preview, Text(StringId::ImportPreviewNewSites) + (Russian() ? u" Луг" : u" Meadow")));
        EXPECT_TRUE(Holds(preview, Text(StringId::ImportPreviewNewColonies) + (Russian() ? u" Север" : u" North")));
        EXPECT_TRUE(Holds(preview, Text(StringId::ImportPreviewRow) + u" 3: " + Text(StringId::ImportSkipNotWhole) + u" ("
                + (Russian() ? u"Рамки" : u"Frames") + u")"));
        Click(dialog, IDOK);
    });
    EXPECT_EQ(boxes.Calls().back().text, Text(StringId::ImportTableDone) + u"\n1");
    ASSERT_EQ(GetJournalCache()->Records().size(), 1u);
    EXPECT_EQ(GetJournalCache()->Records().begin()->second.date, LocalMidnight(2024, 6, 5));

    // The same headers open as they were mapped; cancelling leaves the journal as it is, byte for byte.
    const std::filesystem::path journalFile = ToPath(CDatabaseLease()->GetPath());
    const std::string before = FileBytes(journalFile);
    const std::size_t told = boxes.Calls().size();
    Import(file, 0, [&](CImportDialog& dialog) {
        EXPECT_EQ(Chosen(dialog, 0), Text(StringId::RecordDateField));
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(boxes.Calls().size(), told);
    EXPECT_EQ(FileBytes(journalFile), before);
    EXPECT_EQ(GetJournalCache()->Records().size(), 1u);
}

TEST_P(TableImportDialogTest, ALongTablesColumnsStandOnTwoSidesWithinTheDialog)
{
    Start(kRecordViewSettingsKey, {});
    std::string header = "Date";
    std::string row = "05.06.2024";
    for (int i = 1; i < 20; ++i) {
        header += ",Extra " + std::to_string(i);
        row += "," + std::to_string(i);
    }
    const std::filesystem::path file = m_dir.Path() / "long.csv";
    std::ofstream(file, std::ios::binary) << header << "\n" << row << "\n";
    Import(file, 0, [&](CImportDialog& dialog) {
        CRect inside;
        dialog.GetClientRect(&inside);
        CRect first;
        CRect last;
        dialog.Target(0)->GetWindowRect(&first);
        dialog.Target(19)->GetWindowRect(&last);
        dialog.ScreenToClient(&first);
        dialog.ScreenToClient(&last);
        EXPECT_GT(last.left, first.right);
        EXPECT_LE(last.bottom, first.bottom + 9 * (first.Height() + 4) + 9);
        EXPECT_LE(last.right, inside.right);
        EXPECT_EQ(dialog.GetDlgItem(CImportDialog::IdSecondSideCaptions)->GetWindowText(), Text(StringId::ImportColumnCaption));
        EXPECT_EQ(Chosen(dialog, 0), Text(StringId::RecordDateField));
        EXPECT_EQ(Chosen(dialog, 19), Text(StringId::ImportTargetSkip));
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, TableImportDialogTest, ShippedLanguages(), LanguageName);
