#include "FileDialog.h"
#include "Registry.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
// A user whose settings live in the test's folder and whose documents folder is "Papers" there.
class FileDialogTest : public testing::Test
{
protected:
    FileDialogTest()
        : registry(FromPath(dir.Path() / "store"))
    {
        std::filesystem::create_directories(dir.Path() / "config");
        std::filesystem::create_directories(papers);
        std::ofstream(dir.Path() / "config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << papers.string() << "\"\n";
        setenv("XDG_CONFIG_HOME", (dir.Path() / "config").c_str(), 1);
    }

    TempWorkDir dir;
    RegistryRootOverride registry;
    const std::filesystem::path papers = dir.Path() / "Papers";
    FileDialogResponder responder;
};
}

TEST_F(FileDialogTest, ScriptedAnswersAreRecordedAndAFileToWriteGetsTheDefaultExtension)
{
    responder.Answer(u"/tmp/out/colonies");
    responder.Answer(u"/tmp/out/colonies.txt");
    responder.Answer(u"/tmp/backups");

    CFileDialog save(false, u"csv", u"Colonies.csv", u"CSV (*.csv)|*.csv||");
    save.SetTitle(u"Export");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), u"/tmp/out/colonies.csv");

    CFileDialog saveWithOwnExtension(false, u"csv");
    ASSERT_EQ(saveWithOwnExtension.DoModal(), IDOK);
    EXPECT_EQ(saveWithOwnExtension.GetPathName(), u"/tmp/out/colonies.txt");

    CFolderPickerDialog folder(u"/tmp");
    ASSERT_EQ(folder.DoModal(), IDOK);
    EXPECT_EQ(folder.GetPathName(), u"/tmp/backups");

    CFileDialog open(true, u"db");
    EXPECT_EQ(open.DoModal(), IDCANCEL) << "no answer left is Cancel";
    EXPECT_TRUE(open.GetPathName().empty());

    ASSERT_EQ(responder.Calls().size(), 4u);
    EXPECT_EQ(responder.Calls()[0].kind, FileDialogResponder::Kind::SaveFile);
    EXPECT_EQ(responder.Calls()[0].filter, u"CSV (*.csv)|*.csv||");
    EXPECT_EQ(responder.Calls()[0].title, u"Export");
    EXPECT_EQ(responder.Calls()[2].kind, FileDialogResponder::Kind::Folder);
    EXPECT_EQ(responder.Calls()[2].initialPath, u"/tmp");
    EXPECT_EQ(responder.Calls()[3].kind, FileDialogResponder::Kind::OpenFile);
}

TEST_F(FileDialogTest, DialogsStartInTheDocumentsFolderThenWhereTheLastOneEnded)
{
    const std::filesystem::path exports = dir.Path() / "exports";
    std::filesystem::create_directories(exports);
    responder.Answer(FromPath(exports / "colonies.csv"));
    CFileDialog first(false, u"csv", u"Colonies.csv");
    ASSERT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(responder.Calls()[0].initialPath, FromPath(papers / "Colonies.csv"));

    // A cancelled dialog leaves the folder remembered as it was.
    CFileDialog cancelled(false, u"pdf", u"Queens.pdf");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(responder.Calls()[1].initialPath, FromPath(exports / "Queens.pdf"));

    // Remembered in the settings store: a later dialog, and a folder picker, start there too.
    responder.Answer(FromPath(dir.Path()));
    CFolderPickerDialog folder;
    ASSERT_EQ(folder.DoModal(), IDOK);
    EXPECT_EQ(responder.Calls()[2].initialPath, FromPath(exports));
    CFileDialog afterFolder(true, u"db", u"Journal.db");
    afterFolder.DoModal();
    EXPECT_EQ(responder.Calls()[3].initialPath, FromPath(dir.Path() / "Journal.db"));

    // A path of its own keeps its folder; a remembered folder that is gone gives way to the documents.
    CFileDialog ownFolder(false, u"csv", u"/srv/x.csv");
    ownFolder.DoModal();
    EXPECT_EQ(responder.Calls()[4].initialPath, u"/srv/x.csv");
    responder.Answer(FromPath(exports / "sites.csv"));
    CFileDialog again(false, u"csv", u"Sites.csv");
    ASSERT_EQ(again.DoModal(), IDOK);
    std::filesystem::remove_all(exports);
    CFileDialog afterRemoval(false, u"csv", u"Sites.csv");
    afterRemoval.DoModal();
    EXPECT_EQ(responder.Calls()[6].initialPath, FromPath(papers / "Sites.csv"));
}
