#include "AboutDialog.h"
#include "Edit.h"
#include "FolderOpener.h"
#include "JournalFixture.h"
#include "ProgramHelp.h"
#include "Registry.h"
#include "StringIds.h"

namespace {
class AboutDialogTest : public JournalFixture
{
protected:
    static void Click(CDialog& dialog, int id)
    {
        CRect button;
        dialog.GetDlgItem(id)->GetClientRect(&button);
        UiTest::Click(dialog.GetDlgItem(id), button.CenterPoint().x, button.CenterPoint().y);
    }

    FolderOpenResponder opened;
};
}

TEST_P(AboutDialogTest, NamesVersionLicenceAndWhereEverythingIsKeptEachOpenable)
{
    const std::u16string journalFolder = FromPath(std::filesystem::current_path());
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::AboutTitle));
        const std::u16string version = dialog.GetDlgItem(CAboutDialog::IdVersion)->GetWindowText();
        EXPECT_EQ(version.find(u"Tolvik "), 0u);
        EXPECT_EQ(version.find(u"%1"), std::u16string::npos);
        EXPECT_NE(version.find_first_of(u"0123456789"), std::u16string::npos);
        EXPECT_EQ(dialog.GetDlgItem(CAboutDialog::IdLicence)->GetWindowText(), Text(StringId::AboutLicence));
        // The journal file, its backups folder beside it and the folder of the settings store.
        const std::int32_t captions[] = { StringId::AboutJournalLabel, StringId::AboutBackupsLabel,
            StringId::AboutSettingsLabel };
        const std::u16string shown[] = { journalFolder + u"/Journal.db", journalFolder + u"/backups", RegistryFolder() };
        for (int place = 0; place < 3; ++place) {
            const int first = static_cast<int>(CAboutDialog::IdFirstPlace) + 3 * place;
            EXPECT_EQ(dialog.GetDlgItem(first)->GetWindowText(), Text(captions[place])) << place;
            EXPECT_EQ(dialog.GetDlgItem(first + 1)->GetWindowText(), shown[place]) << place;
            Click(dialog, first + 2);
        }
        Click(dialog, CAboutDialog::IdGuide);
        EXPECT_FALSE(UiTest::IsResizable(&dialog));
        dialog.EndDialog(IDOK);
    });
    CAboutDialog().DoModal();
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(RegistryFolder().find(FromPath(dir.Path() / "config")), 0u);
    // The guide in the language shown, which comes with the program.
    EXPECT_EQ(opened.Folders(), (std::vector<std::u16string> { journalFolder, journalFolder + u"/backups",
                                    RegistryFolder(), journalFolder + u"/Lang/help/" + GetParam() + u".html" }));
    EXPECT_TRUE(boxes.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, AboutDialogTest, ShippedLanguages(), LanguageName);
