#include "Brush.h"
#include "ButtonDraw.h"
#include "DrawerWindow.h"
#include "InfoDrawer.h"
#include "STreeDrawer.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCaption = RGB(221, 165, 54);
}

TEST(InfoDrawer, CardsAreAtLeast51HighAnd240WideAndAClickSelectsOne)
{
    CDrawerWindow window;
    CInfoDrawer drawer(&window);
    const int first = drawer.AddCard(41);
    drawer.AddLine(first, InfoLine { u"Queen 2023" });
    const int second = drawer.AddCard(42);
    for (int i = 0; i < 4; ++i)
        drawer.AddLine(second, InfoLine { u"A longer line of the second card that wraps", 16, i == 0 });
    drawer.Layout(100);
    EXPECT_EQ(drawer.CardWidth(first), 240);
    EXPECT_EQ(drawer.CardHeight(first), 46 + 5);
    EXPECT_GT(drawer.CardHeight(second), 51);
    EXPECT_EQ(drawer.GetTotalHeight(), drawer.CardHeight(first) + drawer.CardHeight(second));
    EXPECT_EQ(drawer.Data(second), 42);

    window.drawer = &drawer;
    window.onLeftDown = [&](UINT, CPoint point) { drawer.OnMouse(WM_LBUTTONDOWN, point.x, point.y); };
    ASSERT_TRUE(window.CreateShown(300, 300));
    UiTest::ProcessEvents();
    const int secondTop = drawer.CardHeight(first);
    UiTest::Image image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(0, 10), kBlack);
    EXPECT_EQ(image.At(5, 48), kWhite); // the strip under the picture
    EXPECT_EQ(image.At(100, secondTop - 2), kWhite);
    EXPECT_EQ(image.At(100, secondTop), kBlack);

    UiTest::Click(&window, 100, secondTop + 30);
    EXPECT_EQ(drawer.Selected(), second);
    EXPECT_TRUE(drawer.Button(second)->IsFocused());
    image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(100, secondTop + drawer.CardHeight(second) - 2), RGB(200, 200, 200));
    EXPECT_EQ(image.At(100, secondTop - 2), kWhite);

    // The button of the selected card posts the notify message when released over it.
    const RECT button = drawer.Button(second)->Rect();
    const int middle = (button.top + button.bottom) / 2;
    UiTest::Click(&window, button.left + 10, middle);
    EXPECT_TRUE(drawer.OnMouse(WM_LBUTTONUP, button.left + 10, middle));
    UiTest::ProcessEvents();
    ASSERT_EQ(window.notifications.size(), 1u);
    EXPECT_EQ(window.notifications[0].message, 1035u);
    EXPECT_EQ(window.notifications[0].wParam, 0u);
}

TEST(STreeDrawer, SevenDaughtersIn500PixelsMakeRowsOfFourAndThree)
{
    CSTreeDrawer drawer(nullptr);
    drawer.SetMother(1, u"Mother");
    drawer.SetQueen(2, u"Queen");
    for (int id = 10; id < 17; ++id)
        drawer.AddDaughter(id, u"Daughter");
    EXPECT_EQ(drawer.Arrange(500), 160 + 2 * 70);
    EXPECT_EQ(drawer.Mother()->x, 200);
    EXPECT_EQ(drawer.Mother()->y, 10);
    EXPECT_EQ(drawer.Queen()->y, 80);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(drawer.Daughter(i)->y, 160);
        EXPECT_EQ(drawer.Daughter(i)->x, 12 + static_cast<int>(i) * 125);
    }
    for (std::size_t i = 4; i < 7; ++i) {
        EXPECT_EQ(drawer.Daughter(i)->y, 230);
        EXPECT_EQ(drawer.Daughter(i)->x, 33 + static_cast<int>(i - 4) * 166);
    }
    drawer.SetTopOffset(-50);
    EXPECT_EQ(drawer.Daughter(6)->y, 180);
    EXPECT_EQ(drawer.Queen()->y, 30);
}

TEST(STreeDrawer, PaintsACircleForAMissingMotherAndReportsAClickedBox)
{
    CDrawerWindow window;
    CSTreeDrawer drawer(&window);
    drawer.SetQueen(5, u"Queen");
    drawer.AddDaughter(8, u"Daughter");
    drawer.Arrange(400);
    window.drawer = &drawer;
    window.onLeftDown = [&](UINT, CPoint point) { drawer.ClickAt(point.x, point.y); };
    ASSERT_TRUE(window.CreateShown(400, 300));
    UiTest::ProcessEvents();
    UiTest::Image image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(200, 65), kBlack);
    EXPECT_EQ(image.At(200, 20), kWhite);
    EXPECT_EQ(image.At(152, 85), kCaption); // the selected queen
    EXPECT_EQ(image.At(150, 85), kBlack);
    EXPECT_EQ(image.At(200, 145), kBlack);
    const CSTreeDrawer::Box* daughter = drawer.Daughter(0);
    EXPECT_EQ(image.At(daughter->x + 2, daughter->y + 2), GetSysColor(COLOR_BTNFACE));

    UiTest::Click(&window, daughter->x + 2, daughter->y + 2);
    ASSERT_EQ(window.notifications.size(), 1u);
    EXPECT_EQ(window.notifications[0].message, 1035u);
    EXPECT_EQ(window.notifications[0].wParam, 8u);
    EXPECT_EQ(drawer.Selected(), daughter);
    image = UiTest::Grab(&window);
    EXPECT_EQ(image.At(daughter->x + 2, daughter->y + 2), kCaption);
    EXPECT_EQ(image.At(152, 85), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(drawer.ClickAt(5, 5));

    drawer.SetMother(3, u"Mother");
    drawer.Arrange(400);
    window.Invalidate();
    UiTest::ProcessEvents();
    EXPECT_EQ(UiTest::Grab(&window).At(200, 65), GetSysColor(COLOR_BTNFACE));
}
