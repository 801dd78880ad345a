#include "DrawerWindow.h"
#include "LayoutStore.h"
#include "TableDrawer.h"
#include "Text.h"
#include "UiTest.h"
#include "FontHelper.h"
#include "Brush.h"

#include <gtest/gtest.h>

#include <random>

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A grid of two columns, "Name" (text) and "Frames" (integer), with one row per name.
void Fill(CTableDrawer& drawer, const std::vector<std::u16string>& names, int type = 2)
{
    drawer.Clear();
    CTableHeader* name = drawer.AddHeader(u"Name", 512, ColumnText);
    CTableHeader* frames = drawer.AddHeader(u"Frames", 513, ColumnInteger);
    int id = 1;
    for (const std::u16string& text : names) {
        auto row = CTableDrawer::NewRow(id, type);
        drawer.AddCell(row.get(), text, name);
        drawer.AddCell(row.get(), IntToText(id * 7 % 10), frames);
        drawer.AddRow(std::move(row));
        ++id;
    }
    drawer.LayoutHeaders();
    drawer.ScrollToTop();
}

std::vector<int> Ids(const CTableDrawer& drawer)
{
    std::vector<int> ids;
    for (const TableRow* row = drawer.Rows().empty() ? nullptr : drawer.Rows().front().get(); row; row = row->next)
        ids.push_back(row->id);
    return ids;
}

std::vector<int> VectorIds(const CTableDrawer& drawer)
{
    std::vector<int> ids;
    for (const auto& row : drawer.Rows())
        ids.push_back(row->id);
    return ids;
}
}

TEST(TableDrawer, PaintsGoldenHeadersWhiteFramedCellsAndTheSelectedRowGrey)
{
    GetLayoutStore().SetColumnWidth(512, 150);
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    Fill(drawer, { u"Linden", u"Acacia", u"Heather" });
    auto font = CreateFontHelper(true, u"Arial", 16, false, false);
    const CSize caption = MeasureText(u"Frames", 0, font.get());
    EXPECT_EQ(drawer.Headers()[0]->width, 150);
    // The other column fits its caption and cells.
    EXPECT_GE(drawer.Headers()[1]->width, caption.cx);
    EXPECT_FALSE(drawer.Headers()[1]->IsClipped(font.get()));
    EXPECT_EQ(drawer.BarHeight(), caption.cy);
    EXPECT_EQ(drawer.TotalWidth(), 150 + drawer.Headers()[1]->width);
    EXPECT_EQ(drawer.Rows()[1]->height, 42);
    EXPECT_EQ(drawer.TotalHeight(), 3 * 42);

    window.drawer = &drawer;
    window.onLeftDown = [&](UINT, CPoint point) { drawer.SelectRowAt(point.x, point.y); };
    ASSERT_TRUE(window.CreateShown(400, 300));
    const int bar = drawer.BarHeight();
    UiTest::Image image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(0, 5), kBlack);
    EXPECT_EQ(image.At(3, 3), RGB(221, 165, 54));
    EXPECT_EQ(image.At(150, bar + 30), kBlack); // the line between the columns
    EXPECT_EQ(image.At(3, bar + 38), kWhite);
    EXPECT_EQ(image.At(3, bar + 42), kBlack); // the line between the first two rows
    EXPECT_EQ(image.At(300, 100), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(image.At(3, bar + 3 * 42 + 5), GetSysColor(COLOR_BTNFACE));

    UiTest::Click(&window, 3, bar + 42 + 38);
    ASSERT_EQ(drawer.SelectedRow(), drawer.Rows()[1].get());
    image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(3, bar + 42 + 38), RGB(200, 200, 200));
    EXPECT_EQ(image.At(3, bar + 38), kWhite);

    // The header band and the space right of the last column leave the selection alone.
    UiTest::Click(&window, 3, bar);
    UiTest::Click(&window, drawer.TotalWidth(), bar + 20);
    EXPECT_EQ(drawer.SelectedRow(), drawer.Rows()[1].get());
    // Below the last row nothing is selected.
    UiTest::Click(&window, 3, bar + 3 * 42 + 10);
    EXPECT_EQ(drawer.SelectedRow(), nullptr);
    EXPECT_EQ(UiTest::Grab(&window).At(3, bar + 42 + 38), kWhite);
}

TEST(TableDrawer, TheSelectedRowWearsADottedFrameOnlyWhileTheTableHasTheFocus)
{
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    Fill(drawer, { u"Linden", u"Acacia" });
    window.drawer = &drawer;
    ASSERT_TRUE(window.CreateShown(400, 300));
    drawer.SelectRow(drawer.Rows()[1].get());
    const int top = drawer.BarHeight() + 42;
    const COLORREF grey = RGB(200, 200, 200);
    EXPECT_EQ(UiTest::Grab(&window).At(4, top + 2), grey);
    drawer.ShowFocus(true);
    window.Invalidate(FALSE);
    const UiTest::Image image = UiTest::Grab(&window);
    // Every other pixel of the frame is the grey turned over; the rows above keep their white.
    EXPECT_EQ(image.At(4, top + 2), RGB(55, 55, 55));
    EXPECT_EQ(image.At(5, top + 2), grey);
    EXPECT_EQ(image.At(4, top - 40), kWhite);
}

TEST(TableDrawer, FindsTheRowUnderAPointFromTheScrollPositionBeforeAnyPaint)
{
    CTableDrawer drawer(nullptr);
    Fill(drawer, { u"Linden", u"Acacia", u"Heather", u"Clover" });
    const int bar = drawer.BarHeight();
    EXPECT_EQ(drawer.RowAt(3, bar + 42 + 5), drawer.Rows()[1].get());
    // Scrolled by a row and 10 pixels: the second row shows its last 32 pixels first.
    drawer.SetVerticalOffset(42 + 10);
    EXPECT_EQ(drawer.RowAt(3, bar + 5), drawer.Rows()[1].get());
    EXPECT_EQ(drawer.RowAt(3, bar + 33), drawer.Rows()[2].get());
    EXPECT_EQ(drawer.RowAt(3, bar + 3 * 42), nullptr);
    EXPECT_EQ(drawer.RowAt(3, bar), nullptr);
    EXPECT_EQ(drawer.RowAt(drawer.TotalWidth(), bar + 5), nullptr);
    drawer.SelectRowAt(3, bar + 33);
    EXPECT_EQ(drawer.SelectedRow(), drawer.Rows()[2].get());
}

TEST(TableDrawer, HeightIndexGrowsALevelAtThe101stRowAndFindsRowsLogarithmically)
{
    CTableDrawer drawer(nullptr);
    std::vector<std::u16string> names(100, u"x");
    Fill(drawer, names);
    EXPECT_EQ(drawer.Index().Depth(), 1);
    names.push_back(u"y");
    Fill(drawer, names);
    EXPECT_EQ(drawer.Index().Depth(), 2);
    drawer.SetVerticalOffset(100 * 42 + 1);
    EXPECT_EQ(drawer.FirstVisibleRow(), drawer.Rows()[100].get());
    EXPECT_EQ(drawer.FirstRowOffset(), -1);
    // A boundary belongs to the row that ends there.
    drawer.SetVerticalOffset(100 * 42);
    EXPECT_EQ(drawer.FirstVisibleRow(), drawer.Rows()[99].get());
    EXPECT_EQ(drawer.FirstRowOffset(), -42);

    // 300,000 rows of different heights: three levels, and every look-up agrees with a running sum.
    drawer.Clear();
    CTableHeader* header = drawer.AddHeader(u"Id", 768, ColumnInteger);
    std::mt19937 random(7);
    std::vector<std::int64_t> starts;
    std::int64_t total = 0;
    for (int id = 1; id <= 300000; ++id) {
        GetLayoutStore().SetRowHeight(id, 3, static_cast<int>(random() % 60) + 3);
        auto row = CTableDrawer::NewRow(id, 3);
        drawer.AddCell(row.get(), u"", header);
        starts.push_back(total);
        total += row->height;
        drawer.AddRow(std::move(row));
    }
    EXPECT_EQ(drawer.Index().Depth(), 3);
    EXPECT_EQ(drawer.TotalHeight(), total);
    for (int probe = 0; probe < 200; ++probe) {
        const std::int64_t position = static_cast<std::int64_t>(random() % static_cast<unsigned>(total - 1)) + 1;
        drawer.SetVerticalOffset(position);
        const auto row = std::lower_bound(starts.begin(), starts.end(), position) - starts.begin() - 1;
        ASSERT_EQ(drawer.FirstVisibleRow(), drawer.Rows()[static_cast<std::size_t>(row)].get()) << position;
        ASSERT_EQ(drawer.FirstRowOffset(), starts[static_cast<std::size_t>(row)] - position);
    }
}

TEST(TableDrawer, PaintingTouchesOnlyTheVisibleRows)
{
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    Fill(drawer, std::vector<std::u16string>(30000, u"row"));
    drawer.SetVerticalOffset(20000 * 42);
    window.drawer = &drawer;
    ASSERT_TRUE(window.CreateShown(300, 200));
    UiTest::ProcessEvents();
    const int bar = drawer.BarHeight();
    EXPECT_EQ(drawer.FirstVisibleRow()->id, 20000);
    EXPECT_EQ(drawer.Rows()[19999]->y, bar - 42);
    EXPECT_EQ(drawer.Rows()[20000]->y, bar);
    // The first row below the area is the last one placed.
    int placed = 0;
    for (const TableRow* row = drawer.FirstVisibleRow(); row && row->y != 0; row = row->next)
        ++placed;
    EXPECT_EQ(placed, (200 - bar) / 42 + 2);
    EXPECT_EQ(drawer.Rows()[0]->y, 0);
}

TEST(TableDrawer, RowResizeMovesTheRowsBelowInTheIndexAndTheHeightIsKept)
{
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    Fill(drawer, { u"a", u"b", u"c" });
    window.drawer = &drawer;
    ASSERT_TRUE(window.CreateShown(300, 300));
    UiTest::ProcessEvents();
    const int bar = drawer.BarHeight();
    const int bottom = bar + 42;
    EXPECT_FALSE(drawer.HitRowBorder(5, bottom - 3));
    EXPECT_TRUE(drawer.HitRowBorder(5, bottom - 2));
    EXPECT_TRUE(drawer.HitRowBorder(5, bottom));
    EXPECT_FALSE(drawer.HitRowBorder(5, bottom + 1));
    EXPECT_FALSE(drawer.HitRowBorder(drawer.TotalWidth() + 1, bottom));
    const int right = drawer.Headers()[0]->width;
    EXPECT_EQ(drawer.HitColumnBorder(right - 1, 5), drawer.Headers()[0].get());
    EXPECT_EQ(drawer.HitColumnBorder(right + 1, 5), drawer.Headers()[0].get());
    EXPECT_EQ(drawer.HitColumnBorder(right - 2, 5), nullptr);
    EXPECT_EQ(drawer.HitColumnBorder(right, bar + 5), nullptr);

    ASSERT_TRUE(drawer.BeginRowResize(bottom));
    EXPECT_TRUE(drawer.HitRowBorder(1000, 1000));
    drawer.SetRowHeight(drawer.ResizedRow(), 60);
    drawer.EndRowResize();
    EXPECT_EQ(drawer.TotalHeight(), 60 + 2 * 42);
    drawer.SetVerticalOffset(61);
    EXPECT_EQ(drawer.FirstVisibleRow()->id, 2);
    drawer.Clear();
    EXPECT_EQ(GetLayoutStore().GetRowHeight(1, 2), 60);
    Fill(drawer, { u"a" });
    EXPECT_EQ(drawer.Rows()[0]->height, 60);
    EXPECT_EQ(drawer.Rows()[0]->cells[0]->height, 60);
}

TEST(TableDrawer, SortsByColumnTypeKeepingTheListInVectorOrder)
{
    CTableDrawer drawer(nullptr);
    drawer.AddHeader(u"Name", 1, ColumnText);
    CTableHeader* check = drawer.AddHeader(u"Marked", 2, ColumnCheck);
    CTableHeader* date = drawer.AddHeader(u"Date", 3, ColumnDate);
    const std::vector<std::u16string> marks { u"+", u"-", u"+", u"-", u"-", u"+" };
    const std::vector<std::u16string> dates { u"02.01.2024", u"01.02.2023", u"15.06.2024", u"", u"31.12.2022", u"01.01.2024" };
    for (int i = 0; i < 6; ++i) {
        auto row = CTableDrawer::NewRow(i + 1, 1);
        drawer.AddCell(row.get(), marks[static_cast<std::size_t>(i)], check);
        drawer.AddCell(row.get(), dates[static_cast<std::size_t>(i)], date);
        drawer.AddRow(std::move(row));
    }
    drawer.SortByColumn(3);
    EXPECT_EQ(VectorIds(drawer), (std::vector<int> { 4, 5, 2, 6, 1, 3 }));
    EXPECT_EQ(Ids(drawer), VectorIds(drawer));
    drawer.SortByColumn(2);
    std::vector<std::u16string> sorted;
    for (const auto& row : drawer.Rows())
        sorted.push_back(drawer.GetCellText(row.get(), 2));
    EXPECT_EQ(sorted, (std::vector<std::u16string> { u"-", u"-", u"-", u"+", u"+", u"+" }));
    EXPECT_EQ(Ids(drawer), VectorIds(drawer));
}

TEST(TableDrawer, UnknownColumnSortsAsTextAndIntegersSortByValue)
{
    CTableDrawer drawer(nullptr);
    Fill(drawer, { u"beta", u"Alpha", u"gamma", u"alpha2" });
    // Cells of a column the header list does not know compare as text: "10" < "100" < "9".
    CTableHeader loose(u"Loose", 900, ColumnInteger);
    const std::u16string loosened[] { u"10", u"9", u"100", u"11" };
    for (std::size_t i = 0; i < 4; ++i)
        drawer.AddCell(drawer.Rows()[i].get(), loosened[i], &loose);
    drawer.SortByColumn(900);
    EXPECT_EQ(VectorIds(drawer), (std::vector<int> { 1, 3, 4, 2 }));
    drawer.SortByColumn(512);
    EXPECT_EQ(VectorIds(drawer), (std::vector<int> { 2, 4, 1, 3 }));
    // Frames are id * 7 % 10: 7, 4, 1, 8.
    drawer.SortByColumn(513);
    EXPECT_EQ(VectorIds(drawer), (std::vector<int> { 3, 2, 1, 4 }));
    EXPECT_EQ(Ids(drawer), VectorIds(drawer));
    drawer.SetVerticalOffset(43);
    EXPECT_EQ(drawer.FirstVisibleRow()->id, 2);
}

TEST(TableDrawer, RemovingTheFirstVisibleRowPaintsTheNextFirst)
{
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    Fill(drawer, { u"one", u"two", u"three" });
    drawer.SetVerticalOffset(50);
    ASSERT_EQ(drawer.FirstVisibleRow()->id, 2);
    drawer.SelectFirstRow();
    drawer.RemoveRow(2);
    EXPECT_EQ(drawer.FirstVisibleRow()->id, 3);
    EXPECT_EQ(drawer.SelectedRow()->id, 1);
    drawer.RemoveRow(1);
    EXPECT_EQ(drawer.SelectedRow(), nullptr);
    EXPECT_EQ(Ids(drawer), (std::vector<int> { 3 }));
    EXPECT_EQ(drawer.TotalHeight(), 42);
    window.drawer = &drawer;
    ASSERT_TRUE(window.CreateShown(300, 200));
    UiTest::ProcessEvents();
    EXPECT_EQ(drawer.Rows()[0]->y, drawer.BarHeight() + drawer.FirstRowOffset());
    drawer.RemoveRow(42);
    EXPECT_EQ(drawer.Rows().size(), 1u);
}

TEST(TableDrawer, ColumnsWithoutAStoredWidthFitTheirCaptionAndWidestCellWithinACap)
{
    CDrawerWindow window;
    auto font = CreateFontHelper(true, u"Arial", 16, false, false);
    const std::u16string longNote = u"Wintered well, queen seen on the third frame";
    const std::u16string endless(400, u'x');
    {
        CTableDrawer drawer(&window);
        CTableHeader* note = drawer.AddHeader(u"Примечания", 900, ColumnText);
        CTableHeader* frames = drawer.AddHeader(u"Frames", 901, ColumnInteger);
        for (int id = 1; id <= 3; ++id) {
            auto row = CTableDrawer::NewRow(id, 2);
            drawer.AddCell(row.get(), id == 1 ? longNote : id == 2 ? u"ok" : endless, note);
            drawer.AddCell(row.get(), u"12", frames);
            drawer.AddRow(std::move(row));
        }
        drawer.LayoutHeaders();
        drawer.ScrollToTop();
        // Neither caption is cut, and the note column holds the longer note on one line.
        EXPECT_FALSE(note->IsClipped(font.get()));
        EXPECT_FALSE(frames->IsClipped(font.get()));
        EXPECT_GE(note->width, MeasureText(longNote, 0, font.get()).cx);
        EXPECT_EQ(drawer.BarHeight(), MeasureText(u"Frames", 0, font.get()).cy);
        // The endless text does not stretch its column across the screen: it is cut, with its
        // whole text under the pointer.
        EXPECT_LT(note->width, 400);
        window.drawer = &drawer;
        ASSERT_TRUE(window.CreateShown(700, 300));
        UiTest::ProcessEvents();
        EXPECT_FALSE(drawer.Rows()[0]->cells[0]->IsClipped(font.get()));
        const TableRow& cut = *drawer.Rows()[2];
        EXPECT_TRUE(cut.cells[0]->IsClipped(font.get()));
        EXPECT_EQ(drawer.ClippedTextAt(10, cut.y + 5), endless);
        EXPECT_EQ(drawer.ClippedTextAt(10, drawer.Rows()[0]->y + 5), u"");
        EXPECT_EQ(drawer.ClippedTextAt(note->width + 5, cut.y + 5), u"");
        window.drawer = nullptr;
    }
    // Fitted widths are not the user's: they are not kept.
    EXPECT_EQ(GetLayoutStore().GetColumnWidth(900), 0);
}

TEST(TableDrawer, DraggedWidthsStayAndTheirCaptionsWrap)
{
    GetLayoutStore().SetColumnWidth(902, 60);
    auto font = CreateFontHelper(true, u"Arial", 16, false, false);
    CDrawerWindow window;
    {
        CTableDrawer drawer(&window);
        CTableHeader* narrow = drawer.AddHeader(u"Note of the day", 902, ColumnText);
        CTableHeader* dragged = drawer.AddHeader(u"Frames", 903, ColumnInteger);
        drawer.LayoutHeaders();
        drawer.FitToWidth(1000);
        EXPECT_EQ(narrow->width, 60);
        EXPECT_GE(drawer.BarHeight(), 2 * MeasureText(u"Note", 0, font.get()).cy);
        dragged->SetDraggedWidth(90);
        drawer.LayoutHeaders();
        EXPECT_EQ(dragged->width, 90);
    }
    EXPECT_EQ(GetLayoutStore().GetColumnWidth(902), 60);
    EXPECT_EQ(GetLayoutStore().GetColumnWidth(903), 90);
}

TEST(TableDrawer, SpareWidthOfAWideAreaGoesToTheTextColumnsAfterTheFirst)
{
    GetLayoutStore().SetColumnWidth(914, 70);
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    CTableHeader* name = drawer.AddHeader(u"Name", 910, ColumnText);
    CTableHeader* frames = drawer.AddHeader(u"Frames", 911, ColumnInteger);
    CTableHeader* note = drawer.AddHeader(u"Note", 912, ColumnText);
    CTableHeader* origin = drawer.AddHeader(u"Origin", 913, ColumnText);
    CTableHeader* stored = drawer.AddHeader(u"Kept", 914, ColumnText);
    drawer.LayoutHeaders();
    const int nameWidth = name->width;
    const int framesWidth = frames->width;
    const int noteWidth = note->width;
    const int originWidth = origin->width;
    const int natural = drawer.TotalWidth();

    drawer.FitToWidth(natural + 101);
    EXPECT_EQ(drawer.TotalWidth(), natural + 101);
    EXPECT_EQ(name->width, nameWidth);
    EXPECT_EQ(frames->width, framesWidth);
    EXPECT_EQ(stored->width, 70);
    EXPECT_EQ(note->width + origin->width, noteWidth + originWidth + 101);
    EXPECT_LE(std::abs(note->width - noteWidth - (origin->width - originWidth)), 1);
    EXPECT_EQ(origin->x, note->x + note->width);

    // A narrower area than the columns need takes nothing from them.
    drawer.FitToWidth(natural / 2);
    EXPECT_EQ(drawer.TotalWidth(), natural);
    EXPECT_EQ(note->width, noteWidth);
}
