#pragma once

#include "GdiDefs.h"
#include "Rect.h"

#include <cstdint>
#include <vector>

class CDC;
class CFont;

// A period shaded behind a chart's lines from its first day to the end of its last: a treatment.
struct ColonyChartPeriod
{
    std::int64_t first = 0;
    std::int64_t end = 0;
};

// Dates from first to last laid across a plot's inner rectangle, labelled by month and year under
// the plot with a grid line at each labelled month.
class CTimeAxis
{
public:
    static constexpr COLORREF PeriodColour = RGB(236, 226, 246);

    CTimeAxis(std::int64_t first, std::int64_t last, const RECT& inner);

    // One date alone lies in the middle.
    int X(std::int64_t date) const;
    void Paint(CDC& dc, CFont* font, const RECT& plot) const;
    // Shades the periods, cut at the plot's edges (one wholly beyond them is not shown), and
    // returns the places shaded in the order of the periods.
    std::vector<RECT> PaintPeriods(CDC& dc, const RECT& plot, const std::vector<ColonyChartPeriod>& periods) const;

private:
    std::int64_t m_first;
    std::int64_t m_last;
    RECT m_inner;
};
