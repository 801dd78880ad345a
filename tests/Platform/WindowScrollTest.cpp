#include "RecordingWindow.h"
#include "ScrollBar.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
constexpr int kBar = 17;

// Code, thumb position and scroll-bar window of a scroll message.
using Scroll = std::tuple<UINT, UINT, LPARAM>;

// A pane with its own scroll bars that moves the position as the messages ask, as the
// program's scrolling views do.
class CScrollingPane : public CRecordingWindow
{
public:
    BOOL CreatePane(CWnd* parent, DWORD style)
    {
        return CreateEx(0, ClassName(), u"", WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 100, parent, 1033);
    }

    std::vector<Scroll> Scrolls(UINT message) const
    {
        std::vector<Scroll> found;
        for (const Message& m : Of(message))
            found.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam), m.lParam);
        return found;
    }

    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override
    {
        EXPECT_EQ(bar, nullptr);
        SCROLLINFO info;
        GetScrollInfo(SB_VERT, &info, SIF_ALL);
        tracks.push_back(info.nTrackPos);
        if (!follow)
            return;
        if (code == SB_LINEDOWN)
            SetScrollPos(SB_VERT, info.nPos + 1);
        else if (code == SB_PAGEDOWN)
            SetScrollPos(SB_VERT, info.nPos + static_cast<int>(info.nPage));
        else if (code == SB_THUMBPOSITION)
            SetScrollPos(SB_VERT, static_cast<int>(position));
    }

    bool follow = false;
    std::vector<int> tracks;
};

SCROLLINFO Range(int minimum, int maximum, UINT page, UINT extraMask = 0)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | extraMask;
    info.nMin = minimum;
    info.nMax = maximum;
    info.nPage = page;
    return info;
}

CRect ClientOf(CWnd& window)
{
    CRect client;
    window.GetClientRect(&client);
    return client;
}

void ClickPart(CWnd& window, int bar, UiTest::ScrollPart part)
{
    const CPoint at = CRect(UiTest::ScrollBarPart(&window, bar, part)).CenterPoint();
    UiTest::FrameMouseDown(&window, at.x, at.y);
    UiTest::FrameMouseUp(&window, at.x, at.y);
}

CSize LastSize(const CRecordingWindow& window)
{
    const auto sizes = window.Of(WM_SIZE);
    if (sizes.empty())
        return CSize(-1, -1);
    const auto packed = static_cast<std::uintptr_t>(sizes.back().lParam);
    return CSize(LOWORD(packed), HIWORD(packed));
}
}

TEST(WindowScroll, ScrollBarsTakeTheirPlaceFromTheClientArea)
{
    CRecordingWindow parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    CScrollingPane pane;
    ASSERT_TRUE(pane.CreatePane(&parent, WS_VSCROLL));
    CRect window;
    pane.GetWindowRect(&window);
    EXPECT_EQ(window.Size(), CSize(200, 100));
    EXPECT_EQ(ClientOf(pane), CRect(0, 0, 200 - kBar, 100));
    EXPECT_EQ(LastSize(pane), CSize(200 - kBar, 100));
    const CRect thumb = UiTest::ScrollBarPart(&pane, SB_VERT, UiTest::ScrollPart::Thumb);
    EXPECT_GE(thumb.left, 200 - kBar);
    EXPECT_EQ(CRect(UiTest::ScrollBarPart(&pane, SB_HORZ, UiTest::ScrollPart::Thumb)), CRect());

    pane.ShowScrollBar(SB_HORZ);
    EXPECT_TRUE(pane.GetStyle() & WS_HSCROLL);
    EXPECT_EQ(ClientOf(pane), CRect(0, 0, 200 - kBar, 100 - kBar));
    EXPECT_EQ(LastSize(pane), CSize(200 - kBar, 100 - kBar));
    EXPECT_GE(UiTest::ScrollBarPart(&pane, SB_HORZ, UiTest::ScrollPart::Thumb).top, 100 - kBar);

    pane.ShowScrollBar(SB_BOTH, FALSE);
    EXPECT_FALSE(pane.GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(ClientOf(pane), CRect(0, 0, 200, 100));
    EXPECT_EQ(LastSize(pane), CSize(200, 100));
}

TEST(WindowScroll, ScrollInfoKeepsThePositionInRangeAndShowsTheBarOnlyWithSomethingToScroll)
{
    CRecordingWindow parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    CScrollingPane pane;
    ASSERT_TRUE(pane.CreatePane(&parent, WS_VSCROLL));

    SCROLLINFO info;
    ASSERT_TRUE(pane.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.fMask, SIF_ALL);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 100);

    SCROLLINFO range = Range(0, 99, 20, SIF_POS);
    range.nPos = 95;
    ASSERT_TRUE(pane.SetScrollInfo(SB_VERT, &range));
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 80); // at most max - page + 1
    EXPECT_EQ(pane.SetScrollPos(SB_VERT, -5), 80);
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 0);
    pane.SetScrollPos(SB_VERT, 7);

    // Only the fields of the mask are filled.
    SCROLLINFO partial;
    partial.nMin = -9;
    ASSERT_TRUE(pane.GetScrollInfo(SB_VERT, &partial, SIF_POS | SIF_PAGE));
    EXPECT_EQ(partial.nPos, 7);
    EXPECT_EQ(partial.nPage, 20u);
    EXPECT_EQ(partial.nMin, -9);
    EXPECT_FALSE(pane.GetScrollInfo(SB_VERT, &partial, 0));

    // Nothing left to scroll: the bar goes and the client area grows.
    range = Range(0, 99, 100);
    pane.SetScrollInfo(SB_VERT, &range);
    EXPECT_FALSE(pane.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(ClientOf(pane).Width(), 200);
    EXPECT_EQ(LastSize(pane).cx, 200);
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 0);

    range = Range(0, 199, 100);
    pane.SetScrollInfo(SB_VERT, &range);
    EXPECT_TRUE(pane.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(ClientOf(pane).Width(), 200 - kBar);

    // With SIF_DISABLENOSCROLL the bar stays, disabled: the user's clicks do nothing.
    range = Range(0, 99, 100, SIF_DISABLENOSCROLL);
    pane.SetScrollInfo(SB_VERT, &range);
    EXPECT_TRUE(pane.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(ClientOf(pane).Width(), 200 - kBar);
    pane.messages.clear();
    ClickPart(pane, SB_VERT, UiTest::ScrollPart::LineDown);
    EXPECT_TRUE(pane.Of(WM_VSCROLL).empty());

    // An inverted range is an empty one.
    range = Range(10, 5, 0);
    pane.SetScrollInfo(SB_VERT, &range);
    ASSERT_TRUE(pane.GetScrollInfo(SB_VERT, &info, SIF_RANGE));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 0);
    EXPECT_FALSE(pane.GetStyle() & WS_VSCROLL);
}

TEST(WindowScroll, UserActionsSendScrollCodesAndOnlyTheProgramMovesThePosition)
{
    CRecordingWindow parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    CScrollingPane pane;
    ASSERT_TRUE(pane.CreatePane(&parent, WS_VSCROLL | WS_HSCROLL));
    SCROLLINFO range = Range(0, 99, 10);
    pane.SetScrollInfo(SB_VERT, &range);
    pane.SetScrollInfo(SB_HORZ, &range);
    UiTest::ProcessEvents();

    const CRect thumb = UiTest::ScrollBarPart(&pane, SB_VERT, UiTest::ScrollPart::Thumb);
    ClickPart(pane, SB_VERT, UiTest::ScrollPart::LineDown);
    EXPECT_EQ(pane.Scrolls(WM_VSCROLL), (std::vector<Scroll> { { SB_LINEDOWN, 0, 0 }, { SB_ENDSCROLL, 0, 0 } }));
    pane.messages.clear();
    ClickPart(pane, SB_VERT, UiTest::ScrollPart::PageDown);
    EXPECT_EQ(pane.Scrolls(WM_VSCROLL), (std::vector<Scroll> { { SB_PAGEDOWN, 0, 0 }, { SB_ENDSCROLL, 0, 0 } }));
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 0);
    EXPECT_EQ(CRect(UiTest::ScrollBarPart(&pane, SB_VERT, UiTest::ScrollPart::Thumb)), thumb);

    pane.follow = true;
    ClickPart(pane, SB_VERT, UiTest::ScrollPart::LineDown);
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 1);
    ClickPart(pane, SB_VERT, UiTest::ScrollPart::PageDown);
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 11);
    EXPECT_GT(UiTest::ScrollBarPart(&pane, SB_VERT, UiTest::ScrollPart::Thumb).top, thumb.top);

    // Dragging the thumb reports where it is; the position follows only at the end.
    pane.messages.clear();
    pane.tracks.clear();
    const CPoint grip = CRect(UiTest::ScrollBarPart(&pane, SB_VERT, UiTest::ScrollPart::Thumb)).CenterPoint();
    UiTest::FrameMouseDown(&pane, grip.x, grip.y);
    UiTest::FrameMouseMove(&pane, grip.x, grip.y + 20);
    const auto dragging = pane.Scrolls(WM_VSCROLL);
    ASSERT_FALSE(dragging.empty());
    EXPECT_EQ(std::get<0>(dragging.back()), SB_THUMBTRACK);
    const UINT track = std::get<1>(dragging.back());
    EXPECT_GT(track, 11u);
    EXPECT_EQ(pane.tracks.back(), static_cast<int>(track));
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), 11);
    UiTest::FrameMouseUp(&pane, grip.x, grip.y + 20);
    const auto dragged = pane.Scrolls(WM_VSCROLL);
    ASSERT_GE(dragged.size(), 3u);
    EXPECT_EQ(dragged[dragged.size() - 2], (Scroll { SB_THUMBPOSITION, track, 0 }));
    EXPECT_EQ(pane.tracks[pane.tracks.size() - 2], static_cast<int>(track));
    EXPECT_EQ(std::get<0>(dragged.back()), SB_ENDSCROLL);
    EXPECT_EQ(pane.GetScrollPos(SB_VERT), static_cast<int>(track));

    // The horizontal bar reports to WM_HSCROLL.
    pane.messages.clear();
    ClickPart(pane, SB_HORZ, UiTest::ScrollPart::LineDown);
    EXPECT_EQ(pane.Scrolls(WM_HSCROLL), (std::vector<Scroll> { { SB_LINERIGHT, 0, 0 }, { SB_ENDSCROLL, 0, 0 } }));
    EXPECT_TRUE(pane.Of(WM_VSCROLL).empty());
}
