#include "Calendar.h"
#include "Cursor.h"
#include "DialogWndFactory.h"
#include "GLWin.h"
#include "JournalFixture.h"
#include "MarkingColour.h"
#include "QBWnd.h"
#include "STreeDrawer.h"
#include "ScrollBar.h"
#include "WindowClass.h"

#include <typeinfo>

namespace {
// Local noon of the first of June of the year, well inside the year in every time zone.
std::int64_t JuneOf(int year)
{
    return ToSeconds({ year, 6, 1, 12 });
}

class QueenPanesTest : public JournalFixture
{
protected:
    QueenPanesTest()
    {
        parent.CreateEx(0, AfxRegisterWndClass(0, LoadCursor(IDC_ARROW)), u"Queens", WS_OVERLAPPED | WS_VISIBLE, 0, 0,
            900, 420, nullptr, 0);
    }

    CRect PlaceOf(CWnd& pane)
    {
        CRect place;
        pane.GetWindowRect(&place);
        parent.ScreenToClient(&place);
        return place;
    }

    CWnd parent;
};
}

TEST(MarkingColour, FollowsTheFiveYearCodeByTheLastDigit)
{
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF yellow = MarkingColour(2022);
    const COLORREF red = MarkingColour(2023);
    const COLORREF green = MarkingColour(2024);
    const COLORREF blue = MarkingColour(2025);
    for (int year : { 2011, 2016, 2021, 2026 })
        EXPECT_EQ(MarkingColour(year), white) << year;
    for (int year : { 2017, 2012, 2027 })
        EXPECT_EQ(MarkingColour(year), yellow) << year;
    for (int year : { 2018, 2028 })
        EXPECT_EQ(MarkingColour(year), red) << year;
    for (int year : { 2019, 2029 })
        EXPECT_EQ(MarkingColour(year), green) << year;
    for (int year : { 2020, 2030, 2000 })
        EXPECT_EQ(MarkingColour(year), blue) << year;
    // Five different colours, each with its own hue.
    EXPECT_GT(GetRValue(yellow), GetBValue(yellow));
    EXPECT_GT(GetGValue(yellow), GetBValue(yellow));
    EXPECT_GT(GetRValue(red), GetGValue(red));
    EXPECT_GT(GetGValue(green), GetRValue(green));
    EXPECT_GT(GetBValue(blue), GetRValue(blue));
    EXPECT_EQ(YearOf(JuneOf(2023)), 2023);
}

TEST_P(QueenPanesTest, FactoryMakesEachPaneAtItsPlaceWithItsIdAndBorder)
{
    struct Expected
    {
        UINT id;
        CRect place;
    };
    const Expected expected[] = {
        { 1036, CRect(519, 11, 845, 385) },
        { 1033, CRect(193, 11, 510, 385) },
        { 1036, CRect(519, 11, 845, 385) },
        { 1036, CRect(519, 11, 845, 385) },
        { 1033, CRect(193, 11, 510, 385) },
        { 1033, CRect(193, 11, 510, 385) },
    };
    for (int code = 0; code < 6; ++code) {
        std::unique_ptr<IDialogWnd> pane = CreateDialogWnd(code, &parent);
        ASSERT_NE(pane, nullptr) << code;
        CWnd& window = pane->Window();
        ASSERT_TRUE(window.IsCreated()) << code;
        EXPECT_EQ(static_cast<UINT>(window.GetDlgCtrlID()), expected[code].id) << code;
        EXPECT_EQ(PlaceOf(window), expected[code].place) << code;
        EXPECT_TRUE(window.GetStyle() & WS_BORDER) << code;
    }
    EXPECT_EQ(CreateDialogWnd(6, &parent), nullptr);
}

TEST_P(QueenPanesTest, DetailsShowTheMarkingDotInTheColourOfTheBirthYear)
{
    const std::int32_t red = AddQueen(u"Rosa", 0, 0, JuneOf(2023));
    const std::int32_t white = AddQueen(u"Wilma", 0, red, JuneOf(2021));
    std::unique_ptr<IDialogWnd> pane = CreateDialogWnd(0, &parent);
    CWnd& window = pane->Window();
    CRect client;
    window.GetClientRect(&client);
    const int centreX = client.right - CQBWnd::DotInset - CQBWnd::DotSize / 2;
    const int centreY = CQBWnd::DotInset + CQBWnd::DotSize / 2;

    // Without a queen the pane shows no dot.
    UiTest::ProcessEvents();
    UiTest::Image empty = UiTest::Grab(&window);
    const int border = (empty.width - client.Width()) / 2;
    EXPECT_EQ(empty.At(border + centreX, border + centreY), RGB(255, 255, 255));

    pane->SetQueen(red);
    UiTest::ProcessEvents();
    UiTest::Image shown = UiTest::Grab(&window);
    EXPECT_EQ(shown.At(border + centreX, border + centreY), MarkingColour(2023));

    // A white dot shows by its black outline.
    pane->SetQueen(white);
    UiTest::ProcessEvents();
    shown = UiTest::Grab(&window);
    EXPECT_EQ(shown.At(border + centreX, border + centreY), RGB(255, 255, 255));
    int dark = 0;
    for (int x = centreX - CQBWnd::DotSize / 2 - 1; x <= centreX; ++x)
        dark += shown.At(border + x, border + centreY) == RGB(0, 0, 0) ? 1 : 0;
    EXPECT_GE(dark, 1);

    // An unknown queen is no queen.
    pane->SetQueen(white + 100);
    UiTest::ProcessEvents();
    EXPECT_EQ(UiTest::Grab(&window).At(border + centreX, border + centreY), RGB(255, 255, 255));
}

TEST_P(QueenPanesTest, GenealogyOfALoneQueenShowsHerWithACircleForTheMother)
{
    const std::int32_t lone = AddQueen(u"Lone", 0);
    std::unique_ptr<IDialogWnd> pane = CreateDialogWnd(1, &parent);
    auto& genealogy = dynamic_cast<CGLWin&>(*pane);
    pane->SetQueen(lone);
    ASSERT_NE(genealogy.Drawer().Queen(), nullptr);
    EXPECT_EQ(genealogy.Drawer().Queen()->caption, u"Lone");
    EXPECT_EQ(genealogy.Drawer().Mother(), nullptr);
    EXPECT_EQ(genealogy.Drawer().DaughterCount(), 0u);
    // Nothing to scroll: the genealogy's bar hides.
    EXPECT_FALSE(genealogy.GetStyle() & WS_VSCROLL);

    CRect client;
    genealogy.GetClientRect(&client);
    UiTest::ProcessEvents();
    UiTest::Image image = UiTest::Grab(&genealogy);
    // No bar shows, so the border is what the picture has beyond the client area.
    const int border = (image.width - client.Width()) / 2;
    // The circle's outline at the mother's place: 10 x 10 at (c - 5, 60).
    const int c = client.Width() / 2;
    int dark = 0;
    for (int y = 58; y <= 72; ++y)
        dark += image.At(border + c, border + y) == RGB(0, 0, 0) ? 1 : 0;
    EXPECT_GE(dark, 2);
    EXPECT_EQ(image.At(border + c - 20, border + 65), RGB(255, 255, 255));
}

TEST_P(QueenPanesTest, GenealogyWithManyDaughtersScrollsWithTheWindowBar)
{
    const std::int32_t mother = AddQueen(u"Mother", 0);
    for (int index = 0; index < 20; ++index)
        AddQueen(u"Daughter " + IntToText(index), 0, mother);
    std::unique_ptr<IDialogWnd> pane = CreateDialogWnd(1, &parent);
    auto& genealogy = dynamic_cast<CGLWin&>(*pane);
    pane->SetQueen(mother);
    EXPECT_EQ(genealogy.Drawer().DaughterCount(), 20u);
    SCROLLINFO info;
    genealogy.GetScrollInfo(SB_VERT, &info);
    CRect client;
    genealogy.GetClientRect(&client);
    EXPECT_TRUE(genealogy.GetStyle() & WS_VSCROLL);
    EXPECT_GT(info.nMax, static_cast<int>(info.nPage));
    EXPECT_EQ(static_cast<int>(info.nPage), client.Height());
    const int queenTop = genealogy.Drawer().Queen()->y;

    const RECT down = UiTest::ScrollBarPart(&genealogy, SB_VERT, UiTest::ScrollPart::LineDown);
    ASSERT_LT(down.left, down.right);
    UiTest::FrameMouseDown(&genealogy, (down.left + down.right) / 2, (down.top + down.bottom) / 2);
    UiTest::FrameMouseUp(&genealogy, (down.left + down.right) / 2, (down.top + down.bottom) / 2);
    EXPECT_EQ(genealogy.GetScrollPos(SB_VERT), 10);
    EXPECT_EQ(genealogy.Drawer().Queen()->y, queenTop - 10);

    // A new queen starts at the top again.
    pane->SetQueen(genealogy.Drawer().Daughter(0)->id);
    EXPECT_EQ(genealogy.GetScrollPos(SB_VERT), 0);
    EXPECT_EQ(genealogy.Drawer().Mother()->id, mother);
}

INSTANTIATE_TEST_SUITE_P(Languages, QueenPanesTest, ShippedLanguages(), LanguageName);
