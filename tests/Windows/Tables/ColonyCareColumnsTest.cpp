#include "JournalWindowFixture.h"

#include "Calendar.h"
#include "CareCache.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "ListColumn.h"
#include "SchemaMigrations.h"
#include "ViewFamilies.h"

#include <algorithm>

namespace {
constexpr std::int32_t kLinden = 5;
constexpr std::int32_t kAcacia = 3;

// North's colonies table on a journal with the care's tables: Linden treated and harvested this
// season, Acacia harvested a little more and fed.
class ColonyCareColumnsTest : public JournalWindowTest
{
protected:
    ColonyCareColumnsTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetCareCache()->Load(CDatabaseLease().get());
        CCareHandler& care = GetJournalHandlers()->care;
        TreatmentProduct strips { 0, u"Amitraz strips", u"amitraz", u"strip", 2.0, u"strips", 14 };
        care.SaveProduct(strips);
        Treatment treatment;
        treatment.id_product = strips.id;
        treatment.dose = 2;
        treatment.date_start = DaysAfter(CurrentTime(), -3);
        treatment.date_end = DaysAfter(CurrentTime(), -1);
        treatment.withdrawal_days = 14;
        treatment.colonies = { kLinden };
        care.AddTreatment(treatment);
        Harvest harvest { 0, kLinden, DaysAfter(CurrentTime(), -200), u"", u"", u"", { 12.5, 14.0 } };
        if (YearOf(harvest.date) != YearOf(CurrentTime()))
            harvest.date = LocalMidnight(YearOf(CurrentTime()), 1, 1);
        care.AddHarvest(harvest);
        Harvest acacia { 0, kAcacia, harvest.date, u"", u"", u"", { 26.9 } };
        care.AddHarvest(acacia);
        FeedType syrup { 0, u"Syrup 1:1", 0.5, 1.23 };
        care.SaveFeedType(syrup);
        Feeding feeding { 0, syrup.id, 6.0, FeedUnit::Litres, harvest.date, u"", { kAcacia } };
        care.AddFeeding(feeding);
        // Last year's feeding is not this season's.
        Feeding old { 0, syrup.id, 50.0, FeedUnit::Kilograms, DaysAfter(harvest.date, -366), u"", { kAcacia } };
        care.AddFeeding(old);
    }

    std::u16string Cell(std::int32_t colony, int column)
    {
        auto* page = dynamic_cast<CViewFamilies*>(Window()->GetDlgItem(IdPage));
        CTableDrawer& grid = page->Grid().Drawer();
        for (const auto& row : grid.Rows()) {
            if (row->id == colony)
                return grid.GetCellText(row.get(), column);
        }
        return u"?";
    }
};
}

TEST_P(ColonyCareColumnsTest, TheColoniesTableShowsTheWithdrawalTheLastTreatmentAndTheSeasonsHoneyAndSugar)
{
    ClickItem(u"North");
    ASSERT_NE(dynamic_cast<CViewFamilies*>(Window()->GetDlgItem(IdPage)), nullptr);
    EXPECT_EQ(Cell(kLinden, ColonyWithheldUntilColumn), FormatDateText(DaysAfter(CurrentTime(), 13)));
    EXPECT_EQ(Cell(kLinden, ColonyLastTreatmentColumn), FormatDateText(DaysAfter(CurrentTime(), -3)) + u" Amitraz strips");
    EXPECT_EQ(Cell(kLinden, ColonySeasonHoneyColumn), Russian() ? u"26,5" : u"26.5");
    EXPECT_EQ(Cell(kAcacia, ColonySeasonSugarColumn), Russian() ? u"3,69" : u"3.69");
    EXPECT_EQ(Cell(kAcacia, ColonyWithheldUntilColumn), u"");
    EXPECT_EQ(Cell(kLinden, ColonySeasonSugarColumn), u"");

    // Sorted by the season's honey, 26,5 comes before 26,9: a decimal comma counts as the decimal it is.
    auto* page = dynamic_cast<CViewFamilies*>(Window()->GetDlgItem(IdPage));
    CTableDrawer& grid = page->Grid().Drawer();
    grid.SortByColumn(ColonySeasonHoneyColumn);
    std::vector<std::int32_t> order;
    for (const auto& row : grid.Rows()) {
        if (row->id == kLinden || row->id == kAcacia)
            order.push_back(row->id);
    }
    EXPECT_EQ(order, (std::vector<std::int32_t> { kLinden, kAcacia }));
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyCareColumnsTest, ShippedLanguages(), LanguageName);
