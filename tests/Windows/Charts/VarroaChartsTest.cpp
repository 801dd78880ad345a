#include "JournalWindowFixture.h"

#include "AllSitesChartView.h"
#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "ChartPixels.h"
#include "ColonyChartView.h"
#include "ColonyVarroaView.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "JournalToolbar.h"
#include "SchemaMigrations.h"
#include "SiteChartView.h"
#include "VarroaStandingView.h"
#include "Tr.h"
#include "VarroaThresholds.h"

#include <cstdlib>

namespace {
constexpr std::int32_t kLinden = 5;
constexpr std::int32_t kAcacia = 3;
constexpr std::int32_t kClover = 1;
constexpr COLORREF kRed = RGB(192, 0, 0);
constexpr COLORREF kOrange = RGB(196, 110, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);

// The journal window with the program's pages on a journal with the tables of mite counts.
class VarroaChartsTest : public JournalWindowTest
{
protected:
    VarroaChartsTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetCareCache()->Load(CDatabaseLease().get());
    }

    // Counts the days before today, so that they are recent whenever the test runs.
    static std::int64_t DaysAgo(int days) { return DaysAfter(CurrentTime(), -days); }

    void AddCount(std::int32_t idFamily, MiteMethod method, int daysAgo, int mites, int sample, double days = 0.0)
    {
        MiteCount count;
        count.id_family = idFamily;
        count.date = DaysAgo(daysAgo);
        count.method = method;
        count.mites = mites;
        count.sample = sample;
        count.days = days;
        ASSERT_NE(GetJournalHandlers()->care.AddMiteCount(count), 0);
        UiTest::ProcessEvents();
    }

    // The same in every month, so that the counts of recent days fall under it on any day.
    static void SetThreshold(MiteMethod method, const std::u16string& value)
    {
        for (int month = 1; month <= 12; ++month)
            WriteRegistryString(value, kMiteThresholdsKey, MiteThresholdName(method, month));
        GetEventManager()->Fire(EventMiteThresholdsChanged);
        UiTest::ProcessEvents();
    }

    template <typename Page>
    Page* Shown()
    {
        return dynamic_cast<Page*>(Window()->GetDlgItem(IdPage));
    }
    UiTest::Image Picture() { return UiTest::Grab(Window()->GetDlgItem(IdPage)); }

    void ClickSwitch(std::size_t index)
    {
        auto* page = Shown<CChartView>();
        ASSERT_NE(page, nullptr);
        CButton& button = page->SwitchButton(index);
        CRect place;
        button.GetClientRect(&place);
        UiTest::Click(&button, place.CenterPoint().x, place.CenterPoint().y);
        UiTest::ProcessEvents(20);
    }

    // The pixels near the colour: a mark's edges are blended into the background.
};
}

TEST_P(VarroaChartsTest, AColonysCountsLieAgainstTheThresholdLineThatTheSettingsMove)
{
    AddCount(kLinden, MiteMethod::AlcoholWash, 20, 6, 200);
    AddCount(kLinden, MiteMethod::StickyBoard, 10, 21, 0, 7.0);
    AddCount(kLinden, MiteMethod::AlcoholWash, 5, 9, 200);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    ASSERT_NE(Shown<CColonyChartView>(), nullptr);
    ClickSwitch(0);
    CColonyVarroaView* page = Shown<CColonyVarroaView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(State().page, PageColonyVarroa);
    EXPECT_EQ(page->ChartTitle(), TrFilled(StringId::ChartColonyVarroaTitle, { u"Linden" }));

    UiTest::Image picture = Picture();
    CVarroaChart::Layout layout = page->Layout();
    ASSERT_EQ(layout.markers.size(), 3u);
    // 3 in 100 bees lies on the threshold, 4.5 half as high again above it, 3 mites a day on the
    // board a tenth of the way up to it.
    const int zero = layout.inner.bottom;
    const int threshold = layout.thresholdY;
    EXPECT_NEAR(layout.markers[0].y, threshold, 1);
    EXPECT_NEAR(zero - layout.markers[2].y, (zero - threshold) * 3 / 2, 1);
    EXPECT_NEAR(zero - layout.markers[1].y, (zero - threshold) / 10, 1);
    EXPECT_LT(layout.markers[0].x, layout.markers[1].x);
    EXPECT_EQ(page->Chart().Points()[1].label, TrFilled(StringId::MitesPerDay, { u"3" }));
    EXPECT_EQ(page->Chart().Points()[2].label, DecimalText(4.5) + u" %");
    const RECT line { layout.inner.left, threshold, layout.inner.right, threshold + 2 };
    EXPECT_GT(PixelsIn(picture, line, CVarroaChart::ThresholdColour), (line.right - line.left) / 2);

    // A wash threshold of 4.5 puts the latest wash on the line.
    SetThreshold(MiteMethod::AlcoholWash, u"4.5");
    Picture();
    layout = page->Layout();
    ASSERT_EQ(layout.markers.size(), 3u);
    EXPECT_NEAR(layout.markers[2].y, layout.thresholdY, 1);

    // Another colony keeps the page; its empty chart says so.
    ClickItem(u"Acacia");
    ASSERT_NE(Shown<CColonyVarroaView>(), nullptr);
    EXPECT_TRUE(Shown<CColonyVarroaView>()->Chart().Points().empty());
    ClickSwitch(0);
    EXPECT_EQ(State().page, PageColonyChart);
}

TEST_P(VarroaChartsTest, ASitesColoniesStandByTheirLatestCountAndAllSitesListThoseAbove)
{
    AddCount(kLinden, MiteMethod::AlcoholWash, 3, 9, 200);
    AddCount(kAcacia, MiteMethod::StickyBoard, 4, 168, 0, 7.0);
    AddCount(kHeather, MiteMethod::SugarRoll, 2, 3, 300);
    // Above, but too long ago to tell.
    AddCount(kClover, MiteMethod::AlcoholWash, 40, 30, 300);

    ClickToolbarButton(CJournalToolbar::IdCharts);
    ASSERT_NE(Shown<CAllSitesChartView>(), nullptr);
    ClickSwitch(1);
    CVarroaStandingView* page = Shown<CVarroaStandingView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->ChartTitle(), TrFilled(StringId::ChartJournalVarroaTitle, { u"1" }));
    ASSERT_EQ(page->Chart().Bars().size(), 1u);
    EXPECT_EQ(page->Chart().Bars()[0].label, u"Linden (North)");

    ClickItem(u"North");
    page = Shown<CVarroaStandingView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->ChartTitle(), TrFilled(StringId::ChartSiteVarroaTitle, { u"North", u"1", u"2" }));
    const std::vector<VarroaBar>& bars = page->Chart().Bars();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].label, u"Linden");
    EXPECT_EQ(bars[1].label, u"Acacia");
    EXPECT_EQ(bars[1].value, TrFilled(StringId::MitesPerDay, { u"24" }));
    const UiTest::Image picture = Picture();
    ASSERT_EQ(page->Bars().size(), 2u);
    // 150 % and 80 % of the threshold, in red and orange.
    const RECT linden = page->Bars()[0];
    const RECT acacia = page->Bars()[1];
    EXPECT_NEAR(static_cast<double>(acacia.right - acacia.left) / (linden.right - linden.left), 80.0 / 150.0, 0.02);
    EXPECT_GT(PixelsIn(picture, linden, kRed), (linden.right - linden.left) * 4);
    EXPECT_GT(PixelsIn(picture, acacia, kOrange), (acacia.right - acacia.left) * 4);

    ClickItem(u"Far meadow");
    page = Shown<CVarroaStandingView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->ChartTitle(), TrFilled(StringId::ChartSiteVarroaTitle, { u"Far meadow", u"0", u"2" }));
    ASSERT_EQ(page->Chart().Bars().size(), 1u);
    EXPECT_EQ(page->Chart().Bars()[0].colour, kGreen);

    // A colony's page on the same tab is its own chart of counts.
    ClickItem(u"Heather");
    EXPECT_NE(Shown<CColonyVarroaView>(), nullptr);
}

TEST_P(VarroaChartsTest, TheTreeMarksEachColonyByItsLatestCountOnceTheJournalHasCounts)
{
    EXPECT_EQ(Tree()->MarkOf(kLinden), CLR_NONE);
    AddCount(kLinden, MiteMethod::AlcoholWash, 3, 9, 200);
    EXPECT_EQ(Tree()->MarkOf(kLinden), kRed);
    EXPECT_EQ(Tree()->MarkOf(kAcacia), RGB(200, 200, 200));

    HTREEITEM linden = Item(u"Linden");
    Tree()->Expand(Tree()->GetParentItem(linden), TVE_EXPAND);
    UiTest::ProcessEvents();
    // The row is not selected, and its label is black: the colour is the mark's.
    CRect mark;
    ASSERT_TRUE(Tree()->GetItemRect(linden, &mark, FALSE));
    EXPECT_GT(PixelsNear(UiTest::Grab(Tree()), mark, kRed), 20);

    // A higher threshold turns the mark green without a rebuild of the tree.
    SetThreshold(MiteMethod::AlcoholWash, u"10");
    EXPECT_EQ(Tree()->MarkOf(kLinden), kGreen);
    EXPECT_EQ(Item(u"Linden"), linden);
    EXPECT_EQ(PixelsNear(UiTest::Grab(Tree()), mark, kRed), 0);
    EXPECT_GT(PixelsNear(UiTest::Grab(Tree()), mark, kGreen), 20);
}

INSTANTIATE_TEST_SUITE_P(Languages, VarroaChartsTest, ShippedLanguages(), LanguageName);
