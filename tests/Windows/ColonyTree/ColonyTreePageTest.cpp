#include "ColonyTreeFixture.h"

#include "Brush.h"
#include "ColonyTreeHintView.h"
#include "ColonyTreeView.h"
#include "PrintablePage.h"
#include "ScrollBar.h"

namespace {
constexpr COLORREF kChosenFill = RGB(221, 165, 54);
constexpr COLORREF kEndedFill = RGB(226, 226, 226);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class ColonyTreePageTest : public ColonyTreeTest
{
protected:
    // Selects the colony in the tree and opens the family tree tab.
    CColonyTreeView* ShowTree(const std::u16string& colony)
    {
        ClickItem(colony);
        ClickTab(kFamilyTreeTab);
        return Page();
    }
    CColonyTreeView* Page() { return dynamic_cast<CColonyTreeView*>(Window()->GetDlgItem(IdPage)); }
    int DarkPixels(const UiTest::Image& image, const RECT& area)
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                count += GetRValue(image.At(x, y)) < 100 ? 1 : 0;
        }
        return count;
    }
};
}

TEST_P(ColonyTreePageTest, ShowsTheColonyWithHerMotherDaughtersAndTheColonyUnitedIn)
{
    EXPECT_EQ(Text(StringId::ColonyTreeTab), Russian() ? u"Родословная" : u"Family tree");
    CColonyTreeView* page = ShowTree(u"Linden 2");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(State().page, PageColonyTree);
    EXPECT_TRUE(page->Notice().empty());
    const CColonyTreeDrawer& drawer = page->Drawer();
    const auto* mother = drawer.BoxOf(kLinden);
    const auto* colony = drawer.BoxOf(linden2);
    const auto* lost = drawer.BoxOf(linden21);
    ASSERT_TRUE(mother && colony && lost);
    EXPECT_NE(colony->caption.find(WithDay(StringId::ColonyMadeBySplit, u"10.05.2024")), std::u16string::npos);

    const UiTest::Image image = UiTest::Grab(page);
    EXPECT_EQ(image.At(colony->x + 3, colony->y + 3), kChosenFill);
    EXPECT_EQ(image.At(lost->x + 3, lost->y + 3), kEndedFill);
    EXPECT_EQ(image.At(mother->x + 3, mother->y + 3), GetSysColor(COLOR_BTNFACE));
    // The line from the mother down to her daughter.
    const int centre = mother->x + CColonyTreeDrawer::BoxWidth / 2;
    EXPECT_EQ(image.At(centre, mother->y + CColonyTreeDrawer::BoxHeight + 4), kBlack);
    // Each box's text is painted inside it.
    EXPECT_GT(DarkPixels(image, { colony->x + 2, colony->y + 2, colony->x + 150, colony->y + 30 }), 20);
}

TEST_P(ColonyTreePageTest, ClickingADaughterChoosesHerAndHerTreeShows)
{
    CColonyTreeView* page = ShowTree(u"Linden 2");
    ASSERT_NE(page, nullptr);
    const auto* daughter = page->Drawer().BoxOf(linden21);
    ASSERT_NE(daughter, nullptr);
    UiTest::Click(page, daughter->x + 10, daughter->y + 10);
    UiTest::ProcessEvents(5);

    EXPECT_EQ(State().recordId, linden21);
    EXPECT_EQ(Tree()->SelectedNode().id, linden21);
    EXPECT_EQ(Tree()->SelectedNode().kind, NodeColony);
    EXPECT_EQ(Tabs()->GetCurSel(), kFamilyTreeTab);
    page = Page();
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->Drawer().Selected(), nullptr);
    EXPECT_EQ(page->Drawer().Selected()->id, linden21);
    EXPECT_NE(page->Drawer().BoxOf(linden211), nullptr);
    EXPECT_EQ(page->Drawer().BoxOf(linden22), nullptr) << "her sister is not in her line";
}

TEST_P(ColonyTreePageTest, ANewDaughterShowsWhileTheTreeIsShown)
{
    CColonyTreeView* page = ShowTree(u"Linden 2.2");
    ASSERT_NE(page, nullptr);
    const std::int32_t daughter = Split(linden22, u"Linden 2.2.1", 1, u"20.06.2025");
    ASSERT_EQ(Page(), page);
    ASSERT_NE(page->Drawer().BoxOf(daughter), nullptr);
    EXPECT_EQ(page->Drawer().UpperOf(daughter), page->Drawer().BoxOf(linden22));
}

TEST_P(ColonyTreePageTest, AColonyWithoutLineageSaysSoAndASiteAsksForAColony)
{
    CColonyTreeView* page = ShowTree(u"Heather");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Notice(), Text(StringId::ColonyNoLineage));
    const auto* alone = page->Drawer().BoxOf(kHeather);
    ASSERT_NE(alone, nullptr);
    UiTest::Image image = UiTest::Grab(page);
    const int below = alone->y + CColonyTreeDrawer::BoxHeight;
    EXPECT_GT(DarkPixels(image, { 0, below + 10, image.width, below + 40 }), 50);

    ClickItem(u"North");
    EXPECT_NE(dynamic_cast<CColonyTreeHintView*>(Window()->GetDlgItem(IdPage)), nullptr);
    image = UiTest::Grab(Window()->GetDlgItem(IdPage));
    EXPECT_GT(DarkPixels(image, { 0, image.height / 2 - 15, image.width, image.height / 2 + 15 }), 50);
}

TEST_P(ColonyTreePageTest, PrintsTheTreeUnderTheColonysName)
{
    CColonyTreeView* page = ShowTree(u"Linden 2");
    ASSERT_NE(page, nullptr);
    const std::unique_ptr<IPrintablePage> print = page->PrintablePage();
    EXPECT_NE(print->Title().find(u"Linden 2"), std::u16string::npos);
    EXPECT_NE(print->Title().find(Text(StringId::ColonyTreePrintTitle)), std::u16string::npos);
    EXPECT_EQ(print->Paginate(CSize(700, 1000)), 1);
    EXPECT_EQ(print->Paginate(CSize(700, 200)), 3) << "four generations and a caption";
}

TEST_P(ColonyTreePageTest, ATreeLargerThanThePageScrollsBothWaysAndItsBoxesStillAnswerClicks)
{
    CColonyTreeView* page = ShowTree(u"Linden 2");
    ASSERT_NE(page, nullptr);
    page->MoveWindow(kNavigationTreeWidth, kJournalToolbarHeight + kTabStripHeight, 300, 250);
    UiTest::ProcessEvents();
    auto* horizontal = static_cast<CScrollBar*>(page->GetDlgItem(IdTreeHorizontalBar));
    auto* vertical = static_cast<CScrollBar*>(page->GetDlgItem(IdTreeVerticalBar));
    ASSERT_TRUE(horizontal && vertical);
    EXPECT_TRUE(horizontal->IsWindowVisible());
    EXPECT_TRUE(vertical->IsWindowVisible());
    SCROLLINFO info;
    horizontal->GetScrollInfo(&info);
    EXPECT_EQ(info.nMax + 1, page->Drawer().Width());
    EXPECT_EQ(static_cast<int>(info.nPage), 300 - CPageScrollBars::BarSize);

    const int left = page->Drawer().BoxOf(linden22)->x;
    const int top = page->Drawer().BoxOf(linden22)->y;
    RECT bar {};
    horizontal->GetClientRect(&bar);
    UiTest::Click(horizontal, bar.right - CPageScrollBars::BarSize - 4, bar.bottom / 2);
    UiTest::Wheel(page, 50, 50, -120);
    UiTest::ProcessEvents();
    const auto* daughter = page->Drawer().BoxOf(linden22);
    EXPECT_LT(daughter->x, left);
    EXPECT_LT(daughter->y, top);
    ASSERT_GE(daughter->x, 0);
    ASSERT_LT(daughter->y + 10, 250 - CPageScrollBars::BarSize);
    UiTest::Click(page, daughter->x + 10, daughter->y + 10);
    UiTest::ProcessEvents(5);
    EXPECT_EQ(State().recordId, linden22);
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyTreePageTest, ShippedLanguages(), LanguageName);
