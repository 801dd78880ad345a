#include "TablePageFixture.h"

#include "Cursor.h"
#include "LayoutStore.h"
#include "ScrollBar.h"
#include "ViewPoints.h"

namespace {
constexpr int kColumnCursor = 118;
constexpr int kRowCursor = 111;

class TableGridInputTest : public TablePageTest
{
protected:
    CViewPoints* ShowSites(int count)
    {
        Start(kPointViewSettingsKey, {});
        for (int i = 1; i <= count; ++i)
            AddPoint(u"Site " + IntToText(i));
        CViewPoints* view = Show<CViewPoints>();
        UiTest::ProcessEvents();
        return view;
    }
};
}

TEST_P(TableGridInputTest, WheelHeldArrowAndArrowKeysMoveThroughALongTable)
{
    CViewPoints* view = ShowSites(30);
    CTableDrawer& grid = view->Grid().Drawer();
    auto* bar = dynamic_cast<CScrollBar*>(view->GetDlgItem(IdGridVerticalBar));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->IsWindowVisible());
    SCROLLINFO info;
    bar->GetScrollInfo(&info);
    EXPECT_EQ(info.nMax + 1, 30 * DefaultRowHeight + grid.BarHeight());
    EXPECT_EQ(static_cast<int>(info.nPage), view->Grid().Area().Height());

    UiTest::Wheel(view, 100, 100, -WHEEL_DELTA);
    EXPECT_EQ(bar->GetScrollPos(), 60);
    EXPECT_EQ(grid.FirstVisibleRow(), grid.Rows()[1].get());
    EXPECT_EQ(grid.FirstRowOffset(), 42 - 60);
    UiTest::Wheel(view, 100, 100, WHEEL_DELTA);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), grid.Rows()[0].get());
    // Over the panel the wheel does nothing.
    UiTest::Wheel(view, 100, view->Grid().Area().bottom + 20, -WHEEL_DELTA);
    EXPECT_EQ(bar->GetScrollPos(), 0);

    // A held down arrow steps once by itself and once more on every tick of the page's timer.
    CRect barRect;
    bar->GetClientRect(&barRect);
    UiTest::MouseDown(bar, 8, barRect.bottom - 8);
    EXPECT_EQ(bar->GetScrollPos(), 20);
    UiTest::FireTimers(view);
    UiTest::FireTimers(view);
    EXPECT_EQ(bar->GetScrollPos(), 60);
    EXPECT_EQ(grid.FirstVisibleRow(), grid.Rows()[1].get());
    UiTest::MouseUp(bar, 8, barRect.bottom - 8);
    UiTest::FireTimers(view);
    EXPECT_EQ(bar->GetScrollPos(), 60);

    // Down with nothing selected takes the first row; at either end the selection stays.
    EXPECT_FALSE(view->GetDlgItem(IdChangeButton)->IsWindowEnabled());
    UiTest::KeyPress(view, VK_DOWN);
    EXPECT_EQ(grid.SelectedRow(), grid.Rows()[0].get());
    EXPECT_TRUE(view->GetDlgItem(IdChangeButton)->IsWindowEnabled());
    UiTest::KeyPress(view, VK_DOWN);
    UiTest::KeyPress(view, VK_DOWN);
    EXPECT_EQ(grid.SelectedRow(), grid.Rows()[2].get());
    UiTest::KeyPress(view, VK_UP);
    EXPECT_EQ(grid.SelectedRow(), grid.Rows()[1].get());
    UiTest::KeyPress(view, VK_UP);
    UiTest::KeyPress(view, VK_UP);
    EXPECT_EQ(grid.SelectedRow(), grid.Rows()[0].get());
}

TEST_P(TableGridInputTest, BordersShowSizingCursorsAndDragsKeepThreePixels)
{
    CViewPoints* view = ShowSites(3);
    CTableDrawer& grid = view->Grid().Drawer();
    EXPECT_FALSE(dynamic_cast<CScrollBar*>(view->GetDlgItem(IdGridVerticalBar))->IsWindowVisible());
    const int width = grid.Headers()[0]->width;
    const int bar = grid.BarHeight();

    UiTest::MouseMove(view, width, 5);
    EXPECT_EQ(GetCursor(), LoadCursor(kColumnCursor));
    UiTest::MouseMove(view, 5, bar + DefaultRowHeight);
    EXPECT_EQ(GetCursor(), LoadCursor(kRowCursor));
    UiTest::MouseMove(view, 5, bar + 20);
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_ARROW));

    UiTest::MouseDown(view, width, 5);
    UiTest::MouseMove(view, width + 40, 5, MK_LBUTTON);
    EXPECT_EQ(grid.Headers()[0]->width, width + 40);
    EXPECT_EQ(grid.TotalWidth(), width + 40 + grid.Headers()[1]->width);
    EXPECT_EQ(grid.Headers()[1]->x, width + 40);
    UiTest::MouseMove(view, 1, 5, MK_LBUTTON);
    EXPECT_EQ(grid.Headers()[0]->width, 3);
    UiTest::MouseUp(view, 1, 5);
    UiTest::MouseMove(view, 200, 5, MK_LBUTTON);
    EXPECT_EQ(grid.Headers()[0]->width, 3);

    UiTest::ProcessEvents();
    // The narrowed column's caption may wrap onto more lines, which moves the rows down.
    const int rowsTop = grid.BarHeight();
    UiTest::MouseDown(view, 2, rowsTop + DefaultRowHeight);
    UiTest::MouseMove(view, 2, rowsTop + 100, MK_LBUTTON);
    EXPECT_EQ(grid.Rows()[0]->height, 100);
    EXPECT_EQ(grid.TotalHeight(), 100 + 2 * DefaultRowHeight);
    UiTest::MouseMove(view, 2, rowsTop - 30, MK_LBUTTON);
    EXPECT_EQ(grid.Rows()[0]->height, 3);
    UiTest::MouseUp(view, 2, rowsTop - 30);
    EXPECT_EQ(grid.SelectedRow(), nullptr);

    // The sizes outlive a rebuild of the rows.
    AddPoint(u"Site 4");
    EXPECT_EQ(grid.Rows().size(), 4u);
    EXPECT_EQ(grid.Rows()[0]->height, 3);
    EXPECT_EQ(grid.Headers()[0]->width, 3);
    EXPECT_EQ(GetLayoutStore().GetRowHeight(grid.Rows()[0]->id, 1), 3);
}

TEST_P(TableGridInputTest, ThumbDragReachesRowsBeyondSixteenBitsOfScrolling)
{
    Start(kPointViewSettingsKey, {});
    for (std::int32_t id = 1; id <= 2000; ++id)
        GetPointFamilyCache()->SetPoint(id, { u"Site " + IntToText(id), u"", 0 });
    CViewPoints* view = Show<CViewPoints>();
    CTableDrawer& grid = view->Grid().Drawer();
    auto* bar = dynamic_cast<CScrollBar*>(view->GetDlgItem(IdGridVerticalBar));
    ASSERT_NE(bar, nullptr);
    SCROLLBARINFO parts;
    ASSERT_TRUE(bar->GetScrollBarInfo(&parts));
    CRect barRect;
    bar->GetClientRect(&barRect);
    const int thumb = (parts.xyThumbTop + parts.xyThumbBottom) / 2;
    UiTest::MouseDown(bar, 8, thumb);
    UiTest::MouseMove(bar, 8, barRect.bottom + 50, MK_LBUTTON);
    UiTest::MouseUp(bar, 8, barRect.bottom + 50);

    SCROLLINFO info;
    bar->GetScrollInfo(&info);
    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
    ASSERT_GT(last, 0xFFFF);
    EXPECT_EQ(bar->GetScrollPos(), last);
    // The row that holds the offset; one ending on it keeps it.
    EXPECT_EQ(grid.FirstVisibleRow()->index, static_cast<std::size_t>((last - 1) / DefaultRowHeight));
    EXPECT_GT(grid.FirstVisibleRow()->index, 1980u);
}

INSTANTIATE_TEST_SUITE_P(Languages, TableGridInputTest, ShippedLanguages(), LanguageName);
