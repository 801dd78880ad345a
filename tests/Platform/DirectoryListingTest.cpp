#include "DirectoryListing.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void Touch(std::u16string_view name)
{
    std::ofstream(ToPath(name)) << "x";
}

using Names = std::vector<std::u16string>;

}

TEST(DirectoryListingTest, StarDotStarListsFilesAndDirectoriesSortedByName)
{
    TempWorkDir dir;
    std::filesystem::create_directories("Lang/Sub.lng");
    Touch(u"Lang/Русский.lng");
    Touch(u"Lang/English.lng");
    Touch(u"Lang/README");
    Touch(u"Lang/a.lng.lng");
    EXPECT_EQ(ListDirectory(u"Lang/*.*"), (Names{u"a.lng.lng", u"English.lng", u"README", u"Sub.lng", u"Русский.lng"}));
    EXPECT_EQ(ListDirectory(u"Lang\\*.*"), ListDirectory(u"Lang/*.*"));
}

TEST(DirectoryListingTest, PatternsMatchWithoutRegardToCase)
{
    TempWorkDir dir;
    Touch(u"a.LNG");
    Touch(u"b.lng");
    Touch(u"cc.lng");
    Touch(u"d.txt");
    Touch(u"e.lngx");
    EXPECT_EQ(ListDirectory(u"*.lng"), (Names{u"a.LNG", u"b.lng", u"cc.lng"}));
    EXPECT_EQ(ListDirectory(u"?.Lng"), (Names{u"a.LNG", u"b.lng"}));
    EXPECT_EQ(ListDirectory(u"*x"), (Names{u"e.lngx"}));
    EXPECT_EQ(ListDirectory(u"./d.*"), (Names{u"d.txt"}));
}

TEST(DirectoryListingTest, MissingDirectoryGivesAnEmptyList)
{
    TempWorkDir dir;
    Touch(u"Lang");
    EXPECT_TRUE(ListDirectory(u"Missing/*.*").empty());
    // A file is no directory to search.
    EXPECT_TRUE(ListDirectory(u"Lang/*.*").empty());
}
