#include "Dc.h"
#include "RecordingWindow.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Paints its client area white.
class CWhiteWindow : public CRecordingWindow
{
public:
    BOOL OnEraseBkgnd(CDC* dc) override
    {
        RECT client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, kWhite);
        return TRUE;
    }
};

CRect ClientRectOf(CWnd& window)
{
    CRect client;
    window.GetClientRect(&client);
    return client;
}

CRect WindowRectOf(CWnd& window)
{
    CRect rect;
    window.GetWindowRect(&rect);
    return rect;
}
}

TEST(WindowFrame, TopLevelSizeIncludesTheFrameAndTheClientAreaIsWhatIsLeft)
{
    CRecordingWindow frame;
    ASSERT_TRUE(frame.CreateEx(0, CRecordingWindow::ClassName(), u"Journal", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 30, 300,
        200, nullptr, 0));
    EXPECT_EQ(WindowRectOf(frame), CRect(20, 30, 320, 230));
    const CRect client = ClientRectOf(frame);
    EXPECT_LT(client.Width(), 300);
    EXPECT_LT(client.Height(), 200);
    // The frame surrounds the client area inside the window rectangle.
    POINT origin { 0, 0 };
    frame.ClientToScreen(&origin);
    EXPECT_GT(origin.x, 20);
    EXPECT_GT(origin.y, 30);
    EXPECT_LE(origin.x + client.Width(), 320);
    EXPECT_LE(origin.y + client.Height(), 230);
    const auto sizes = frame.Of(WM_SIZE);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(sizes[0].lParam)), client.Width());
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(sizes[0].lParam)), client.Height());

    // Hidden at first, the window has its full size all the same.
    CRecordingWindow hidden;
    ASSERT_TRUE(hidden.CreateEx(0, CRecordingWindow::ClassName(), u"Journal", WS_OVERLAPPEDWINDOW, 0, 0, 400, 250,
        nullptr, 0));
    EXPECT_EQ(WindowRectOf(hidden).Size(), CSize(400, 250));
    EXPECT_EQ(ClientRectOf(hidden).Size(), CSize(client.Width() + 100, client.Height() + 50));
    hidden.ShowWindow(SW_SHOW);
    UiTest::ProcessEvents();
    EXPECT_EQ(WindowRectOf(hidden), CRect(0, 0, 400, 250));

    // Without a caption there is no frame.
    CRecordingWindow frameless;
    ASSERT_TRUE(frameless.CreateTopLevel(WS_VISIBLE, 150, 90));
    EXPECT_EQ(ClientRectOf(frameless), CRect(0, 0, 150, 90));
    EXPECT_EQ(WindowRectOf(frameless).Size(), CSize(150, 90));
}

TEST(WindowFrame, BorderIsOnePixelInsideTheWindowAroundASmallerClientArea)
{
    CWhiteWindow parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    CWhiteWindow pane;
    ASSERT_TRUE(pane.CreateEx(0, CRecordingWindow::ClassName(), u"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 20, 100, 50,
        &parent, 1033));
    EXPECT_EQ(WindowRectOf(pane).Size(), CSize(100, 50));
    EXPECT_EQ(ClientRectOf(pane), CRect(0, 0, 98, 48));
    POINT origin { 0, 0 };
    pane.ClientToScreen(&origin);
    EXPECT_EQ(origin.x, WindowRectOf(pane).left + 1);
    EXPECT_EQ(origin.y, WindowRectOf(pane).top + 1);
    const auto sizes = pane.Of(WM_SIZE);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(sizes[0].lParam)), 98);

    const UiTest::Image image = UiTest::Grab(&pane);
    ASSERT_EQ(image.width, 100);
    ASSERT_EQ(image.height, 50);
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(image.At(x, 0), kBlack) << x;
        EXPECT_EQ(image.At(x, 49), kBlack) << x;
    }
    for (int y = 0; y < 50; ++y) {
        EXPECT_EQ(image.At(0, y), kBlack) << y;
        EXPECT_EQ(image.At(99, y), kBlack) << y;
    }
    EXPECT_EQ(image.At(1, 1), kWhite);
    EXPECT_EQ(image.At(98, 48), kWhite);

    // Client coordinates start inside the border.
    pane.messages.clear();
    UiTest::Click(&pane, 2, 3);
    const auto downs = pane.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 2);
    POINT screen { 2, 3 };
    pane.ClientToScreen(&screen);
    CRect window = WindowRectOf(pane);
    EXPECT_EQ(screen.x, window.left + 3);

    // A child window of the pane lies in its client area.
    CWhiteWindow inner;
    ASSERT_TRUE(inner.CreateChild(&pane, 1, CRect(0, 0, 10, 10)));
    CRect innerRect = WindowRectOf(inner);
    pane.ScreenToClient(&innerRect);
    EXPECT_EQ(innerRect, CRect(0, 0, 10, 10));

    CWhiteWindow plain;
    ASSERT_TRUE(plain.CreateChild(&parent, 1034, CRect(150, 20, 250, 70)));
    EXPECT_EQ(ClientRectOf(plain), CRect(0, 0, 100, 50));
    EXPECT_EQ(UiTest::Grab(&plain).At(0, 0), kWhite);
}
