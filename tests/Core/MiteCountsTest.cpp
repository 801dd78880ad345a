#include "Calendar.h"
#include "MiteCounts.h"

#include <gtest/gtest.h>

namespace {
std::int64_t Day(int year, int month, int day)
{
    return LocalMidnight(year, month, day);
}

MiteCount CountOf(MiteMethod method, std::int64_t date, std::int32_t mites, std::int32_t sample, double days = 0.0)
{
    MiteCount count;
    count.method = method;
    count.date = date;
    count.mites = mites;
    count.sample = sample;
    count.days = days;
    return count;
}
}

TEST(MiteCountsTest, EachMethodGivesItsInfestation)
{
    // 21 mites in a week on the board: 3 a day.
    EXPECT_DOUBLE_EQ(*Infestation(CountOf(MiteMethod::StickyBoard, 0, 21, 0, 7.0)), 3.0);
    EXPECT_DOUBLE_EQ(*Infestation(CountOf(MiteMethod::StickyBoard, 0, 5, 0, 2.5)), 2.0);
    // 9 mites off 300 bees: 3 in 100.
    EXPECT_DOUBLE_EQ(*Infestation(CountOf(MiteMethod::AlcoholWash, 0, 9, 300)), 3.0);
    EXPECT_DOUBLE_EQ(*Infestation(CountOf(MiteMethod::SugarRoll, 0, 0, 300)), 0.0);
    // 15 of 60 drone cells infested.
    EXPECT_DOUBLE_EQ(*Infestation(CountOf(MiteMethod::DroneBrood, 0, 15, 60)), 25.0);
    // Without its days or sample a count says nothing.
    EXPECT_FALSE(Infestation(CountOf(MiteMethod::StickyBoard, 0, 21, 300, 0.0)));
    EXPECT_FALSE(Infestation(CountOf(MiteMethod::AlcoholWash, 0, 9, 0)));
    EXPECT_FALSE(Infestation(CountOf(MiteMethod::None, 0, 9, 300)));
    // Half a cup of bees is 300 of them, a cup 600.
    EXPECT_EQ(BeesInVolume(118.3), 300);
    EXPECT_EQ(BeesInVolume(236.6), 600);
    EXPECT_EQ(BeesInVolume(0.0), 0);
}

TEST(MiteCountsTest, ThresholdsAreKeptByMethodAndMonthAndMarkTheColonyByItsLatestRecentCount)
{
    MiteThresholds thresholds = MiteThresholds::Defaults();
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::AlcoholWash, 8), 3.0);
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::StickyBoard, 1), 30.0);
    thresholds.Set(MiteMethod::AlcoholWash, 4, 2.0);
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::AlcoholWash, 4), 2.0);
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::AlcoholWash, 5), 3.0);
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::SugarRoll, 4), 3.0);

    EXPECT_EQ(StatusOf(3.01, 3.0), MiteStatus::Above);
    EXPECT_EQ(StatusOf(3.0, 3.0), MiteStatus::Near);
    EXPECT_EQ(StatusOf(2.25, 3.0), MiteStatus::Near);
    EXPECT_EQ(StatusOf(2.2, 3.0), MiteStatus::Below);

    // 2.5 % is near August's 3 % but above April's 2 %.
    const std::vector<MiteCount> april { CountOf(MiteMethod::AlcoholWash, Day(2026, 4, 10), 5, 200) };
    EXPECT_EQ(StatusOn(april, thresholds, Day(2026, 4, 20)), MiteStatus::Above);
    const std::vector<MiteCount> august { CountOf(MiteMethod::AlcoholWash, Day(2026, 8, 10), 5, 200) };
    EXPECT_EQ(StatusOn(august, thresholds, Day(2026, 8, 20)), MiteStatus::Near);
    // A count older than the recent days, or later than the day, does not tell.
    EXPECT_EQ(StatusOn(august, thresholds, Day(2026, 9, 10)), MiteStatus::NoRecentCount);
    EXPECT_EQ(StatusOn(august, thresholds, Day(2026, 8, 9)), MiteStatus::NoRecentCount);
    // The latest count tells, whatever the method.
    const std::vector<MiteCount> both { CountOf(MiteMethod::AlcoholWash, Day(2026, 8, 1), 30, 300),
        CountOf(MiteMethod::StickyBoard, Day(2026, 8, 15), 14, 0, 7.0) };
    EXPECT_EQ(StatusOn(both, thresholds, Day(2026, 8, 20)), MiteStatus::Below);
    EXPECT_EQ(LatestRecentCount(both, Day(2026, 8, 20)), &both[1]);

    // Against the threshold of the count's own month: 2.5 % is 125 % of April's 2 %; 2 mites a day
    // on the board are a fifteenth of 30.
    EXPECT_DOUBLE_EQ(*ShareOfThreshold(april[0], thresholds), 125.0);
    EXPECT_NEAR(*ShareOfThreshold(both[1], thresholds), 100.0 / 15.0, 1e-9);
    thresholds.Set(MiteMethod::SugarRoll, 8, 0.0);
    EXPECT_FALSE(ShareOfThreshold(CountOf(MiteMethod::SugarRoll, Day(2026, 8, 3), 6, 300), thresholds));
    EXPECT_FALSE(ShareOfThreshold(CountOf(MiteMethod::AlcoholWash, Day(2026, 8, 3), 6, 0), thresholds));
}

TEST(MiteCountsTest, EfficacyComparesTheCountsBeforeAndAfterByOneMethod)
{
    const std::vector<MiteCount> counts { CountOf(MiteMethod::StickyBoard, Day(2026, 8, 1), 70, 0, 7.0),
        CountOf(MiteMethod::AlcoholWash, Day(2026, 8, 18), 12, 300),
        CountOf(MiteMethod::StickyBoard, Day(2026, 9, 25), 7, 0, 7.0),
        CountOf(MiteMethod::AlcoholWash, Day(2026, 10, 5), 3, 300) };
    // Treated 20 August to 20 September: 4 % before, 1 % after by wash.
    EXPECT_NEAR(*Efficacy(counts, Day(2026, 8, 20), Day(2026, 9, 20)), 75.0, 1e-9);
    // Before 18 August the board's count is the one before, and the board's after it gives 90 %.
    EXPECT_NEAR(*Efficacy(counts, Day(2026, 8, 10), Day(2026, 9, 20)), 90.0, 1e-9);
    // No count after within the recent days, or none before: nothing.
    EXPECT_FALSE(Efficacy(counts, Day(2026, 8, 20), Day(2026, 10, 10)));
    EXPECT_FALSE(Efficacy(counts, Day(2026, 7, 1), Day(2026, 7, 10)));
}
