#include "Calendar.h"
#include "Text.h"
#include "TimeZone.h"

#include <gtest/gtest.h>

namespace {
constexpr std::int64_t kHour = 3600;

// Every day of the year turned into seconds and back, through each text form, is the same day.
// Returns the number of days the year has.
int ExpectEveryDayRoundTrips(int year)
{
    int days = 0;
    for (int dayOfYear = 1; dayOfYear <= 366; ++dayOfYear) {
        // Day 32 of January is 1 February, and so on; the 366th of a common year is next year's.
        const std::int64_t midnight = LocalMidnight(year, 1, dayOfYear);
        const std::optional<LocalTime> local = ToLocalTime(midnight);
        if (!local || local->year != year)
            break;
        ++days;
        const std::u16string stored = FormatStoredDate(midnight);
        EXPECT_EQ(LocalMidnight(local->year, local->month, local->day), midnight) << ToUtf8(stored);
        EXPECT_EQ(ParseDateText(stored), midnight) << ToUtf8(stored);
        EXPECT_EQ(ParseDateText(FormatDateText(midnight)), midnight) << ToUtf8(stored);
        // A stored date keeps its time of day, which reading back leaves out.
        EXPECT_EQ(ParseDateText(FormatStoredDate(midnight + 13 * kHour)), midnight) << ToUtf8(stored);
    }
    return days;
}
}

TEST(CalendarTest, EveryDayOfABerlinYearRoundTripsToItsMidnightInSummerAndWinterAlike)
{
    const TimeZone berlin("Europe/Berlin");
    // Midnight is 22:00 of the day before in universal time in summer, 23:00 in winter.
    EXPECT_EQ(LocalMidnight(2024, 7, 15), 1720994400);
    EXPECT_EQ(LocalMidnight(2024, 1, 15), 1705273200);
    EXPECT_EQ(FormatStoredDate(1720994400), u"15.07.2024 00:00:00");
    EXPECT_EQ(ParseDateText(u"15.07.2024 00:00:00"), 1720994400);
    // The day summer time begins has 23 hours, the day it ends 25.
    EXPECT_EQ(LocalMidnight(2024, 4, 1) - LocalMidnight(2024, 3, 31), 23 * kHour);
    EXPECT_EQ(LocalMidnight(2024, 10, 28) - LocalMidnight(2024, 10, 27), 25 * kHour);
    const LocalTime afterSpringGap = ToLocalTime(LocalMidnight(2024, 3, 31) + 3 * kHour).value();
    EXPECT_EQ(afterSpringGap.hour, 4);
    EXPECT_EQ(ExpectEveryDayRoundTrips(2024), 366);
    EXPECT_EQ(ExpectEveryDayRoundTrips(2025), 365);
}

TEST(CalendarTest, ADayWhoseMidnightSummerTimeSkipsStartsAtOneAndStaysThatDay)
{
    const TimeZone santiago("America/Santiago");
    const std::int64_t start = LocalMidnight(2024, 9, 8);
    const LocalTime local = ToLocalTime(start).value();
    EXPECT_EQ(local.day, 8);
    EXPECT_EQ(local.hour, 1);
    EXPECT_EQ(ParseDateText(FormatStoredDate(start)), start);
    EXPECT_EQ(ExpectEveryDayRoundTrips(2024), 366);
}

TEST(CalendarTest, ReadsTheDayATextBeginsWithAndNothingFromOtherForms)
{
    const TimeZone berlin("Europe/Berlin");
    EXPECT_EQ(ParseDateText(u"07.05.2010 14:30:00"), LocalMidnight(2010, 5, 7));
    EXPECT_EQ(ParseDateText(u"07.05.2010"), LocalMidnight(2010, 5, 7));
    EXPECT_EQ(ParseDateText(u"7.5.2010"), 0);
    EXPECT_EQ(ParseDateText(u"07-05-2010"), 0);
    EXPECT_EQ(ParseDateText(u""), 0);
    EXPECT_EQ(ToSeconds({ 2010, 5, 7, 14, 30, 0 }), LocalMidnight(2010, 5, 7) + 14 * kHour + 30 * 60);
}

TEST(CalendarTest, FieldsCarryOverAndEachFormShowsTheLocalDay)
{
    const TimeZone berlin("Europe/Berlin");
    EXPECT_EQ(LocalMidnight(2024, 12, 32), LocalMidnight(2025, 1, 1));
    EXPECT_EQ(LocalMidnight(2024, 3, 0), LocalMidnight(2024, 2, 29));
    // Half an hour into the new year here is still the old year in universal time.
    const std::int64_t newYear = LocalMidnight(2025, 1, 1) + 1800;
    EXPECT_EQ(YearOf(newYear), 2025);
    EXPECT_EQ(FormatIsoDate(newYear), "2025-01-01");
    EXPECT_EQ(FormatDateText(newYear), u"01.01.2025");
    EXPECT_EQ(FormatFileStamp(newYear + 5), "20250101-003005");
    // 1 February 2021 was a Monday, 31 March 2024 a Sunday.
    EXPECT_EQ(ToLocalTime(LocalMidnight(2021, 2, 1))->weekday, 0);
    EXPECT_EQ(ToLocalTime(LocalMidnight(2024, 3, 31))->weekday, 6);
}
