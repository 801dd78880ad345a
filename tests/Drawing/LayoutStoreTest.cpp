#include "LayoutStore.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}
}

TEST(LayoutStore, MissingOrBrokenFileBecomesAnEmptyTableDocument)
{
    TempWorkDir dir;
    LayoutStore missing("table.xml");
    missing.Load();
    EXPECT_EQ(ReadFile("table.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<table/>\n");
    EXPECT_EQ(missing.GetRowHeight(1, 1), 0);

    WriteFile("broken.xml", "<table><header id=\"3\" size=");
    LayoutStore broken("broken.xml");
    broken.Load();
    EXPECT_EQ(broken.GetColumnWidth(3), 0);
    EXPECT_EQ(ReadFile("broken.xml"), ReadFile("table.xml"));
    EXPECT_FALSE(std::filesystem::exists("broken.xml.tmp"));
}

TEST(LayoutStore, WritesHeadersByIdThenRowsByTypeAndIdUnderTheRootItWasRead)
{
    TempWorkDir dir;
    WriteFile("table.xml",
        "<?xml version=\"1.0\"?>\n<grid><cell_row id=\"9\" type=\"3\" size=\"50\"/>"
        "<header id=\"520\" size=\"70\"/><cell_row id=\"4\" type=\"2\" size=\"30\"/>"
        "<header id=\"512\" size=\"80\"/><header id=\"520\" size=\"90\"/>"
        "<cell_row id=\"2\" type=\"3\" size=\"abc\"/><cell_row type=\"1\" size=\"44\"/></grid>\n");
    LayoutStore store("table.xml");
    store.Load();
    EXPECT_EQ(store.GetColumnWidth(520), 90);
    EXPECT_EQ(store.GetColumnWidth(512), 80);
    EXPECT_EQ(store.GetRowHeight(9, 3), 50);
    EXPECT_EQ(store.GetRowHeight(2, 3), 0);
    EXPECT_EQ(store.GetRowHeight(0, 1), 44);
    store.SetRowHeight(1, 3, 61);
    store.SetColumnWidth(256, 100);
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadFile("table.xml"),
        "<?xml version=\"1.0\"?>\n<grid>\n"
        "    <header id=\"256\" size=\"100\"/>\n"
        "    <header id=\"512\" size=\"80\"/>\n"
        "    <header id=\"520\" size=\"90\"/>\n"
        "    <cell_row id=\"0\" type=\"1\" size=\"44\"/>\n"
        "    <cell_row id=\"4\" type=\"2\" size=\"30\"/>\n"
        "    <cell_row id=\"1\" type=\"3\" size=\"61\"/>\n"
        "    <cell_row id=\"2\" type=\"3\" size=\"0\"/>\n"
        "    <cell_row id=\"9\" type=\"3\" size=\"50\"/>\n"
        "</grid>\n");
}

TEST(LayoutStore, SharedStoreRoundTripsThroughStartAndExit)
{
    TempWorkDir dir;
    LoadLayout();
    GetLayoutStore().SetColumnWidth(768, 123);
    GetLayoutStore().SetRowHeight(5, 2, 77);
    SaveLayout();
    EXPECT_EQ(GetLayoutStore().GetColumnWidth(768), 0);
    LoadLayout();
    EXPECT_EQ(GetLayoutStore().GetColumnWidth(768), 123);
    EXPECT_EQ(GetLayoutStore().GetRowHeight(5, 2), 77);
    SaveLayout();
}

TEST(LayoutStore, SaveLeavesTheOldFileWholeWhenTheNewOneCannotBeWritten)
{
    TempWorkDir dir;
    LayoutStore store("table.xml");
    store.Load();
    store.SetColumnWidth(1, 10);
    ASSERT_TRUE(store.Save());
    const std::string before = ReadFile("table.xml");
    // A folder where the temporary file would go makes the write fail before the rename.
    std::filesystem::create_directory("table.xml.tmp");
    store.SetColumnWidth(2, 20);
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(ReadFile("table.xml"), before);
}

TEST(LayoutStore, SizesFromALenientlyReadDamagedFileSurviveTheNextStart)
{
    TempWorkDir dir;
    // Text around the root reads, but printed back as it stands it would not read again.
    WriteFile("table.xml", "note<grid><cell_row id=\"3\" type=\"2\" size=\"55\"/></grid>d</x>");
    LayoutStore store("table.xml");
    store.Load();
    ASSERT_EQ(store.GetRowHeight(3, 2), 55);
    ASSERT_TRUE(store.Save());

    LayoutStore next("table.xml");
    next.Load();
    EXPECT_EQ(next.GetRowHeight(3, 2), 55);
    EXPECT_EQ(ReadFile("table.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<grid>\n    <cell_row id=\"3\" type=\"2\" size=\"55\"/>\n</grid>\n");
}

TEST(LayoutStore, SizesOutsideTheirBoundsAreBroughtWithinThem)
{
    TempWorkDir dir;
    WriteFile("table.xml",
        "<table><header id=\"256\" size=\"2147483647\"/><header id=\"257\" size=\"-2147483648\"/>"
        "<header id=\"258\" size=\"1\"/><header id=\"259\" size=\"120\"/>"
        "<cell_row id=\"1\" type=\"1\" size=\"2147483647\"/><cell_row id=\"2\" type=\"1\" size=\"-2147483648\"/>"
        "<cell_row id=\"3\" type=\"1\" size=\"2\"/><cell_row id=\"4\" type=\"1\" size=\"60\"/></table>");
    LayoutStore store("table.xml");
    store.Load();
    EXPECT_EQ(store.GetColumnWidth(256), kLargestColumnWidth);
    EXPECT_EQ(store.GetColumnWidth(257), 0);
    EXPECT_EQ(store.GetColumnWidth(258), kSmallestLayoutSize);
    EXPECT_EQ(store.GetColumnWidth(259), 120);
    EXPECT_EQ(store.GetRowHeight(1, 1), kLargestRowHeight);
    EXPECT_EQ(store.GetRowHeight(2, 1), 0);
    EXPECT_EQ(store.GetRowHeight(3, 1), kSmallestLayoutSize);
    EXPECT_EQ(store.GetRowHeight(4, 1), 60);
}
