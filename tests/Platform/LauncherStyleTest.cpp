#include "Bitmap.h"
#include "Brush.h"
#include "Button.h"
#include "Dc.h"
#include "KeyInput.h"
#include "OwnerDraw.h"
#include "RecordingWindow.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kSky = RGB(122, 210, 248);
constexpr COLORREF kPressed = RGB(60, 120, 160);

class CPaintedButton : public CButton
{
public:
    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        CDC* dc = item->hDC;
        dc->FillSolidRect(&item->rcItem, item->itemState & ODS_SELECTED ? kPressed : kSky);
        ++draws;
    }
    int draws = 0;
};

// A frameless window that follows the mouse while the left button is held after a press on it.
class CDraggedWindow : public CRecordingWindow
{
public:
    int OnCreate(CREATESTRUCT* create) override
    {
        button.Create(u"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(195, 130, 300, 210), this, 4099);
        SetTimer(1, 10);
        return CRecordingWindow::OnCreate(create);
    }
    void OnLButtonDown(UINT, CPoint) override
    {
        dragging = true;
        GetCursorPos(&last);
    }
    void OnTimer(UINT_PTR) override
    {
        if (GetKeyState(VK_LBUTTON) >= 0) {
            dragging = false;
            return;
        }
        if (!dragging)
            return;
        POINT now;
        GetCursorPos(&now);
        RECT place;
        GetWindowRect(&place);
        MoveWindow(place.left + now.x - last.x, place.top + now.y - last.y, place.right - place.left, place.bottom - place.top);
        last = now;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(static_cast<UINT>(wParam));
        return TRUE;
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        RECT client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(255, 255, 255));
    }

    CPaintedButton button;
    bool dragging = false;
    POINT last {};
    std::vector<UINT> commands;
};
}

TEST(LauncherStyle, OwnerDrawnChildPaintsThroughItsParentAndSendsItsCommand)
{
    CDraggedWindow window;
    ASSERT_TRUE(window.CreateEx(0, CRecordingWindow::ClassName(), u"Tolvik", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 520,
        545, nullptr, 0));
    const UiTest::Image image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(195, 130), kSky);
    EXPECT_EQ(image.At(299, 209), kSky);
    EXPECT_EQ(image.At(300, 150), RGB(255, 255, 255));
    EXPECT_GT(window.button.draws, 0);
    UiTest::MouseDown(&window.button, 10, 10);
    EXPECT_EQ(UiTest::Grab(&window.button).At(5, 5), kPressed);
    UiTest::MouseUp(&window.button, 10, 10);
    EXPECT_EQ(window.commands, (std::vector<UINT> { MAKEWPARAM(4099, BN_CLICKED) }));
}

TEST(LauncherStyle, WindowFollowsTheMouseWhileTheButtonIsHeld)
{
    CDraggedWindow window;
    ASSERT_TRUE(window.CreateEx(0, CRecordingWindow::ClassName(), u"Tolvik", WS_VISIBLE, 100, 100, 520, 545, nullptr, 0));
    RECT before;
    window.GetWindowRect(&before);
    UiTest::MouseDown(&window, 50, 50);
    UiTest::MouseMove(&window, 60, 55, MK_LBUTTON);
    ASSERT_TRUE(UiTest::WaitUntil([&] {
        RECT now;
        window.GetWindowRect(&now);
        return now.left == before.left + 10 && now.top == before.top + 5;
    }));
    UiTest::MouseUp(&window, 60, 55);
    UiTest::ProcessEvents(30);
    EXPECT_FALSE(window.dragging);
}
