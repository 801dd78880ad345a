#include "ChartFrame.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ChartFrameTest, AxisTopIsTheNextRoundNumberWithWholeFifths)
{
    EXPECT_EQ(CChartFrame::NiceTop(0), 5);
    EXPECT_EQ(CChartFrame::NiceTop(-3), 5);
    EXPECT_EQ(CChartFrame::NiceTop(1), 5);
    EXPECT_EQ(CChartFrame::NiceTop(5), 5);
    EXPECT_EQ(CChartFrame::NiceTop(6), 10);
    EXPECT_EQ(CChartFrame::NiceTop(10), 10);
    EXPECT_EQ(CChartFrame::NiceTop(11), 15);
    EXPECT_EQ(CChartFrame::NiceTop(21), 25);
    EXPECT_EQ(CChartFrame::NiceTop(61), 80);
    EXPECT_EQ(CChartFrame::NiceTop(81), 100);
    EXPECT_EQ(CChartFrame::NiceTop(1080), 1500);
    EXPECT_EQ(CChartFrame::NiceTop(1'000'000'000), 1'000'000'000);
    // Beyond the round numbers an int holds, the value itself.
    EXPECT_EQ(CChartFrame::NiceTop(INT_MAX), INT_MAX);
}

TEST(ChartFrameTest, ValuesMapFromTheBottomToTheTopOfTheInnerPlot)
{
    const RECT inner { 10, 100, 210, 300 };
    EXPECT_EQ(CChartFrame::ValueY(inner, 0, 50), 300);
    EXPECT_EQ(CChartFrame::ValueY(inner, 50, 50), 100);
    EXPECT_EQ(CChartFrame::ValueY(inner, 25, 50), 200);
    // Large sums do not overflow on the way.
    EXPECT_EQ(CChartFrame::ValueY(inner, INT_MAX, INT_MAX), 100);
}
