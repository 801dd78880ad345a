#include "FileDialog.h"

#include <gtest/gtest.h>

TEST(FileDialogTest, ScriptedAnswersAreRecordedAndAFileToWriteGetsTheDefaultExtension)
{
    FileDialogResponder responder;
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
    EXPECT_EQ(responder.Calls()[0].initialPath, u"Colonies.csv");
    EXPECT_EQ(responder.Calls()[0].filter, u"CSV (*.csv)|*.csv||");
    EXPECT_EQ(responder.Calls()[0].title, u"Export");
    EXPECT_EQ(responder.Calls()[2].kind, FileDialogResponder::Kind::Folder);
    EXPECT_EQ(responder.Calls()[2].initialPath, u"/tmp");
    EXPECT_EQ(responder.Calls()[3].kind, FileDialogResponder::Kind::OpenFile);
}
