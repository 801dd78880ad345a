#include "JournalWindowFixture.h"

#include "ChartPixels.h"
#include "Calendar.h"
#include "CareCache.h"
#include "ColonyChartView.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "SchemaMigrations.h"
#include "SiteChartView.h"

namespace {
constexpr std::int32_t kLinden = 5;
constexpr std::int32_t kAcacia = 3;

// The journal window with the program's pages on a journal with the care's tables.
class CareChartsTest : public JournalWindowTest
{
protected:
    CareChartsTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetCareCache()->Load(CDatabaseLease().get());
        TreatmentProduct acid { 0, u"Oxalic acid", u"oxalic acid", u"", 5.0, u"ml", 0 };
        product = care.SaveProduct(acid);
    }

    void AddRecord(std::int32_t idFamily, const char16_t* day, int strength, int honeyTaken)
    {
        InspectData inspect;
        inspect.record.id_family = idFamily;
        inspect.record.date = ParseDateText(day);
        inspect.record.strength = strength;
        inspect.record.frame = 10;
        inspect.record.evacuation = honeyTaken;
        ASSERT_NE(journal->AddInspect(inspect), 0);
    }

    template <typename Page>
    Page* Shown()
    {
        return dynamic_cast<Page*>(Window()->GetDlgItem(IdPage));
    }
    UiTest::Image Picture() { return UiTest::Grab(Window()->GetDlgItem(IdPage)); }

    CCareHandler& care = GetJournalHandlers()->care;
    std::int32_t product = 0;
};
}

TEST_P(CareChartsTest, AColonysTreatmentIsShadedOverItsDaysAndFollowsTheHandler)
{
    AddRecord(kLinden, u"01.04.2024", 4, 0);
    AddRecord(kLinden, u"01.12.2024", 8, 0);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    Picture();
    EXPECT_TRUE(page->Layout().periods.empty());

    Treatment august;
    august.id_product = product;
    august.dose = 5;
    august.date_start = ParseDateText(u"01.08.2024");
    august.date_end = ParseDateText(u"31.08.2024");
    august.colonies = { kLinden };
    ASSERT_NE(care.AddTreatment(august), 0);
    UiTest::ProcessEvents();
    const UiTest::Image picture = Picture();
    ASSERT_EQ(page->Layout().periods.size(), 1u);
    const RECT shaded = page->Layout().periods[0];
    const RECT inner = page->Layout().inner;
    // August lies in the last third of April to December, a month of eight wide.
    const double width = inner.right - inner.left;
    EXPECT_NEAR(shaded.left - inner.left, width * 4 / 8, width / 40);
    EXPECT_NEAR(shaded.right - shaded.left, width / 8, width / 40);
    EXPECT_GT(PixelsIn(picture, shaded, CColonyChart::PeriodColour), (shaded.right - shaded.left) * 20);
    // Outside the period the plot keeps its own colour.
    const RECT before { inner.left + 2, shaded.top, inner.left + 12, shaded.bottom };
    EXPECT_EQ(PixelsIn(picture, before, CColonyChart::PeriodColour), 0);
}

TEST_P(CareChartsTest, ASitesSeasonTakesTheWeighedHarvestWhereAColonyHasOne)
{
    AddRecord(kLinden, u"01.05.2024", 6, 10);
    AddRecord(kAcacia, u"15.07.2024", 4, 30);
    Harvest weighed { 0, kLinden, ParseDateText(u"20.07.2024"), u"L-1", u"", u"", { 21.5, 20.0 } };
    ASSERT_NE(care.AddHarvest(weighed), 0);
    // A harvest of a year without records brings that year to the chooser.
    Harvest later { 0, kAcacia, ParseDateText(u"10.07.2025"), u"", u"", u"", { 12.0 } };
    ASSERT_NE(care.AddHarvest(later), 0);
    ClickItem(u"North");
    ClickTab(kChartsTab);
    CSiteChartView* page = Shown<CSiteChartView>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->YearChooser().GetCount(), 2);
    std::u16string year;
    page->YearChooser().GetLBText(page->YearChooser().GetCurSel(), year);
    EXPECT_EQ(year, u"2025");
    ASSERT_EQ(page->Chart().Groups().size(), 1u);
    EXPECT_EQ(page->Chart().Groups()[0].values, (std::vector<int> { 12, 0 }));

    UiTest::KeyPress(&page->YearChooser(), VK_DOWN);
    UiTest::ProcessEvents();
    const auto& groups = page->Chart().Groups();
    ASSERT_EQ(groups.size(), 2u);
    // Linden's 41.5 kg weighed, rounded, stand for the 10 of its record; Acacia keeps its record's 30.
    EXPECT_EQ(groups[0].label, u"Linden");
    EXPECT_EQ(groups[0].values, (std::vector<int> { 42, 6 }));
    EXPECT_EQ(groups[1].values, (std::vector<int> { 30, 4 }));
}

INSTANTIATE_TEST_SUITE_P(Languages, CareChartsTest, ShippedLanguages(), LanguageName);
