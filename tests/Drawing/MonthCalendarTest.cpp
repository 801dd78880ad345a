#include "Calendar.h"
#include "MonthCalendar.h"

#include <gtest/gtest.h>

// November 2026 begins on a Sunday and takes six weeks; February 2027 begins on a Monday and
// fills four.
TEST(MonthCalendarTest, DaysFallInTheirWeekdayColumnAndEveryWeekSharesTheHeight)
{
    const RECT area { 0, 0, 706, 426 };
    CMonthCalendar november;
    november.SetMonth(u"", 2026, 11, 0, {});
    const RECT first = november.DayBox(area, 1);
    const RECT second = november.DayBox(area, 2);
    const RECT last = november.DayBox(area, 30);
    EXPECT_GT(first.left, second.left);
    EXPECT_EQ(second.left, 6);
    EXPECT_EQ(last.left, second.left);
    EXPECT_NEAR(last.top - second.top, 4 * (second.top - first.top), 1);
    EXPECT_EQ(last.bottom, area.bottom - 6);
    EXPECT_EQ(november.DayBox(area, 31).right, 0);
    EXPECT_EQ(november.DayAt(area, { (first.left + first.right) / 2, (first.top + first.bottom) / 2 }), 1);
    EXPECT_EQ(november.DayAt(area, { 10, first.top + 2 }), 0);

    CMonthCalendar february;
    february.SetMonth(u"", 2027, 2, 0, {});
    EXPECT_EQ(february.DayBox(area, 1).left, 6);
    EXPECT_EQ(february.DayBox(area, 28).bottom, area.bottom - 6);
    EXPECT_EQ(february.DayBox(area, 29).right, 0);
}

TEST(MonthCalendarTest, ADaysTextHasItsLinesInOrderAndNoneOfOtherMonths)
{
    CMonthCalendar may;
    may.SetMonth(u"", 2025, 5, 0,
        { { LocalMidnight(2025, 5, 3), u"Weigh", 0, 1 }, { LocalMidnight(2025, 6, 3), u"June", 0, 0 },
            { LocalMidnight(2025, 5, 3), u"Linden: inspection", 0, 0 } });
    EXPECT_EQ(may.DayText(3), u"Weigh\nLinden: inspection");
    EXPECT_EQ(may.DayText(4), u"");
}
