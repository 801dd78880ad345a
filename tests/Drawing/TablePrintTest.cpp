#include "Bitmap.h"
#include "DrawerWindow.h"
#include "LayoutStore.h"
#include "PdfText.h"
#include "PrintJob.h"
#include "PrintSheets.h"
#include "TablePrint.h"
#include "TableDrawer.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
constexpr int kName = 512;
constexpr int kNote = 514;

// A grid of a name and a note column, the given widths, one row per name.
class TablePrintTest : public testing::Test
{
protected:
    void Fill(int nameWidth, int noteWidth, int rows)
    {
        GetLayoutStore().SetColumnWidth(kName, nameWidth);
        GetLayoutStore().SetColumnWidth(kNote, noteWidth);
        drawer.Clear();
        CTableHeader* name = drawer.AddHeader(u"Name", kName, ColumnText);
        CTableHeader* note = drawer.AddHeader(u"Note", kNote, ColumnText);
        for (int id = 1; id <= rows; ++id) {
            auto row = CTableDrawer::NewRow(id, 2);
            drawer.AddCell(row.get(), u"Colony " + IntToText(id), name);
            drawer.AddCell(row.get(), u"calm", note);
            drawer.AddRow(std::move(row));
        }
        drawer.LayoutHeaders();
        drawer.ScrollToTop();
    }

    // The sheet painted into a bitmap of the body's size.
    COLORREF PixelOf(CTablePrint& print, int sheet, CSize body, CPoint point)
    {
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&memory, body.cx, body.cy);
        CBitmap* old = memory.SelectObject(&bitmap);
        memory.FillSolidRect(0, 0, body.cx, body.cy, RGB(0, 0, 255));
        print.PaintSheet(memory, CRect(0, 0, body.cx, body.cy), sheet);
        const COLORREF pixel = memory.GetPixel(point.x, point.y);
        memory.SelectObject(old);
        return pixel;
    }

    ~TablePrintTest() override
    {
        GetLayoutStore().SetColumnWidth(kName, 0);
        GetLayoutStore().SetColumnWidth(kNote, 0);
    }

    TempWorkDir dir;
    CDrawerWindow window;
    CTableDrawer drawer { &window };
};
}

TEST_F(TablePrintTest, ColumnsThatFitKeepTheirWidthsAndRowsBreakUnderARepeatedHeader)
{
    Fill(200, 100, 12);
    CTablePrint print(u"Colonies");
    print.AddTable(drawer, {});
    EXPECT_EQ(print.NaturalWidth(), 301);
    const int bar = drawer.BarHeight();
    const CSize body(400, bar + 5 * DefaultRowHeight + DefaultRowHeight / 2);
    ASSERT_EQ(print.Paginate(body), 3);
    EXPECT_EQ(print.PrintedWidths(0), (std::vector<int> { 200, 100 }));
    for (int sheet = 0; sheet < 3; ++sheet) {
        SCOPED_TRACE(sheet);
        EXPECT_EQ(PixelOf(print, sheet, body, CPoint(5, 2)), CaptionColour);
        EXPECT_EQ(PixelOf(print, sheet, body, CPoint(5, bar + 2)), CellColour);
        // Nothing right of the table.
        EXPECT_EQ(PixelOf(print, sheet, body, CPoint(350, bar + 2)), RGB(0, 0, 255));
    }
    // Five rows on each full sheet, the last two on the third; below them nothing.
    EXPECT_EQ(PixelOf(print, 2, body, CPoint(5, bar + 2 * DefaultRowHeight + 4)), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(print, 1, body, CPoint(5, bar + 4 * DefaultRowHeight + 4)), CellColour);
}

TEST_F(TablePrintTest, TooWideColumnsShrinkInProportionAndAskForALandscapeSheet)
{
    Fill(900, 300, 3);
    CTablePrint print(u"Colonies");
    print.AddTable(drawer, {});
    CPrintSheets sheets(print);
    EXPECT_TRUE(sheets.PrefersLandscape(CSize(700, 1000)));
    EXPECT_FALSE(sheets.PrefersLandscape(CSize(1300, 1000)));
    ASSERT_EQ(print.Paginate(CSize(601, 1000)), 1);
    EXPECT_EQ(print.PrintedWidths(0), (std::vector<int> { 450, 150 }));
    EXPECT_EQ(PixelOf(print, 0, CSize(601, 1000), CPoint(598, 2)), CaptionColour);
    // The right border closes the table within the sheet.
    EXPECT_EQ(PixelOf(print, 0, CSize(601, 1000), CPoint(600, 5)), RGB(0, 0, 0));
}

TEST_F(TablePrintTest, SecondTableFollowsUnderItsCaptionOrStartsANewSheet)
{
    Fill(200, 100, 2);
    CTableDrawer lines(&window);
    CTableHeader* name = lines.AddHeader(u"Hive", 778, ColumnText);
    auto row = CTableDrawer::NewRow(1, 3);
    lines.AddCell(row.get(), u"Top", name);
    lines.AddRow(std::move(row));
    lines.LayoutHeaders();
    CTablePrint print(u"Records");
    print.AddTable(drawer, {});
    print.AddTable(lines, u"Hive lines");
    const int bar = drawer.BarHeight();
    EXPECT_EQ(print.Paginate(CSize(400, 1000)), 1);
    // Too little room under the first table for the caption, the header and a row.
    EXPECT_EQ(print.Paginate(CSize(400, bar + 3 * DefaultRowHeight)), 2);
}

TEST_F(TablePrintTest, PdfCarriesTitleDateHeaderAndPageNumbersOnEachSheetAndNoFileWhenItCannotBeWritten)
{
    Fill(200, 100, 60);
    CTablePrint print(u"Colonies of North");
    print.AddTable(drawer, {});
    CPrintSheets sheets(print);
    CPrintJob job(sheets, u"Colonies of North", nullptr);
    const std::filesystem::path pdf = dir.Path() / "colonies.pdf";
    ASSERT_TRUE(job.WritePdf(FromPath(pdf)));
    const std::vector<std::string> pages = PdfPageTexts(pdf.string());
    ASSERT_GE(pages.size(), 2u);
    for (std::size_t sheet = 0; sheet < pages.size(); ++sheet) {
        SCOPED_TRACE(sheet);
        EXPECT_NE(pages[sheet].find("Colonies of North"), std::string::npos);
        EXPECT_NE(pages[sheet].find("Name"), std::string::npos);
        EXPECT_NE(pages[sheet].find("Note"), std::string::npos);
        EXPECT_TRUE(HasPageNumber(pages[sheet], static_cast<int>(sheet) + 1, static_cast<int>(pages.size())));
    }
    EXPECT_NE(pages.front().find("Colony 1"), std::string::npos);
    EXPECT_NE(pages.back().find("Colony 60"), std::string::npos);

    EXPECT_FALSE(job.WritePdf(FromPath(dir.Path() / "missing" / "colonies.pdf")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
}
