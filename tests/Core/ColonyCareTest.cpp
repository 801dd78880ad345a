#include "Calendar.h"
#include "ColonyCare.h"
#include "TimeZone.h"

#include <gtest/gtest.h>

namespace {
std::int64_t Day(int year, int month, int day)
{
    return LocalMidnight(year, month, day);
}

Treatment TreatmentOf(std::int64_t start, std::int64_t end, std::int32_t withdrawalDays)
{
    Treatment treatment;
    treatment.date_start = start;
    treatment.date_end = end;
    treatment.withdrawal_days = withdrawalDays;
    return treatment;
}
}

TEST(ColonyCareTest, TheWithdrawalEndsOnItsLastDayWhateverSummerTimeDoes)
{
    // Summer time begins on 29 March 2026 in Berlin: that day has 23 hours.
    const TimeZone berlin("Europe/Berlin");
    const Treatment strips = TreatmentOf(Day(2026, 3, 20), Day(2026, 3, 25), 14);
    EXPECT_EQ(WithdrawalEnd(strips), Day(2026, 4, 8));
    EXPECT_FALSE(WithholdsOn(strips, Day(2026, 3, 19)));
    EXPECT_TRUE(WithholdsOn(strips, Day(2026, 3, 20)));
    EXPECT_TRUE(WithholdsOn(strips, Day(2026, 3, 29)));
    // A harvest at any hour of the last day is inside; the next morning is free.
    EXPECT_TRUE(WithholdsOn(strips, Day(2026, 4, 8) + 23 * 3600));
    EXPECT_FALSE(WithholdsOn(strips, Day(2026, 4, 9)));

    // No withdrawal days: only the treatment's own days withhold honey.
    const Treatment acid = TreatmentOf(Day(2026, 10, 24), Day(2026, 10, 26), 0);
    EXPECT_EQ(WithdrawalEnd(acid), Day(2026, 10, 26));
    EXPECT_TRUE(WithholdsOn(acid, Day(2026, 10, 25)));
    EXPECT_FALSE(WithholdsOn(acid, Day(2026, 10, 27)));
    // Across the end of summer time (25 October) and of a year.
    EXPECT_EQ(DaysAfter(Day(2026, 10, 20), 10), Day(2026, 10, 30));
    EXPECT_EQ(DaysAfter(Day(2026, 12, 25), 14), Day(2027, 1, 8));
}

TEST(ColonyCareTest, FeedingsAddUpPerColonyAndYearWithTheirSugar)
{
    const std::map<std::int32_t, FeedType> types { { 1, { 1, u"Syrup 1:1", 0.5, 1.23 } },
        { 2, { 2, u"Fondant", 0.88, 1.0 } } };
    std::vector<Feeding> feedings;
    feedings.push_back({ 1, 1, 10.0, FeedUnit::Litres, Day(2026, 9, 1), u"", { 7, 8 } });
    feedings.push_back({ 2, 2, 2.5, FeedUnit::Kilograms, Day(2026, 12, 30), u"", { 7 } });
    feedings.push_back({ 3, 2, 1.0, FeedUnit::Kilograms, Day(2027, 2, 1), u"", { 7 } });

    const auto season = FeedingsByColony(feedings, types, 2026);
    ASSERT_EQ(season.size(), 2u);
    EXPECT_DOUBLE_EQ(season.at(7).litres, 10.0);
    EXPECT_DOUBLE_EQ(season.at(7).kilograms, 2.5);
    EXPECT_NEAR(season.at(7).sugar, 10 * 1.23 * 0.5 + 2.5 * 0.88, 1e-9);
    EXPECT_NEAR(season.at(8).sugar, 6.15, 1e-9);
    EXPECT_DOUBLE_EQ(season.at(8).kilograms, 0.0);

    FeedTotal site;
    for (const auto& [colony, total] : season)
        site += total;
    EXPECT_DOUBLE_EQ(site.litres, 20.0);
    EXPECT_DOUBLE_EQ(FeedingsByColony(feedings, types, 0).at(7).kilograms, 3.5);
}

TEST(ColonyCareTest, HarvestsWeighTheirSupersPerColonyAndYear)
{
    std::vector<Harvest> harvests;
    harvests.push_back({ 1, 7, Day(2026, 7, 10), u"L-1", u"", u"", { 12.5, 14.0, 11.25 } });
    harvests.push_back({ 2, 8, Day(2026, 7, 10), u"L-1", u"", u"", { 9.0 } });
    harvests.push_back({ 3, 7, Day(2025, 7, 10), u"", u"", u"", { 20.0 } });
    EXPECT_DOUBLE_EQ(HarvestWeight(harvests[0]), 37.75);
    const auto season = HarvestByColony(harvests, 2026);
    EXPECT_DOUBLE_EQ(season.at(7), 37.75);
    EXPECT_DOUBLE_EQ(season.at(8), 9.0);
    EXPECT_DOUBLE_EQ(HarvestByColony(harvests, 0).at(7), 57.75);
}
