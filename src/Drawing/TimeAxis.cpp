#include "TimeAxis.h"

#include "Calendar.h"
#include "ChartFrame.h"
#include "Dc.h"
#include "Pen.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {
constexpr int kMonthSteps[] = { 1, 2, 3, 6, 12, 24, 60, 120 };
constexpr double kSecondsPerMonth = 30.44 * 86400;

// Months counted from year 0, so that steps of several months line up with the year.
int MonthIndex(std::int64_t date)
{
    const LocalTime local = ToLocalTime(date).value_or(LocalTime {});
    return local.year * 12 + local.month - 1;
}

std::int64_t StartOfMonth(int index)
{
    return LocalMidnight(index / 12, index % 12 + 1, 1);
}

std::u16string MonthLabel(int index)
{
    return Tr(StringId::MonthJanuary + index % 12).substr(0, 3) + u" " + IntToText(index / 12);
}
}

CTimeAxis::CTimeAxis(std::int64_t first, std::int64_t last, const RECT& inner)
    : m_first(first)
    , m_last(last)
    , m_inner(inner)
{
}

int CTimeAxis::X(std::int64_t date) const
{
    const std::int64_t span = m_last - m_first;
    if (span <= 0)
        return (m_inner.left + m_inner.right) / 2;
    const std::int64_t width = m_inner.right - m_inner.left;
    return m_inner.left + static_cast<int>((date - m_first) * width / span);
}

void CTimeAxis::Paint(CDC& dc, CFont* font, const RECT& plot) const
{
    CFont* oldFont = dc.SelectObject(font);
    const int first = MonthIndex(m_first);
    const int last = MonthIndex(m_last);
    const int labelWidth = dc.GetTextExtent(MonthLabel(first)).cx + 12;
    const double months = static_cast<double>(m_last - m_first) / kSecondsPerMonth;
    const double monthWidth = (m_inner.right - m_inner.left) / std::max(1.0, months);
    // Beyond the listed steps, whole decades; far-apart dates would otherwise pile up labels.
    int step = 0;
    for (const int candidate : kMonthSteps) {
        if (monthWidth * candidate >= labelWidth) {
            step = candidate;
            break;
        }
    }
    if (step == 0)
        step = 120 * static_cast<int>(std::ceil(labelWidth / (monthWidth * 120)));
    CPen grid(PS_SOLID, 1, CChartFrame::Grid);
    CPen ink(PS_SOLID, 1, CChartFrame::Ink);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(CChartFrame::Ink);
    const auto label = [&](int month, int x) {
        RECT text { x - labelWidth / 2, plot.bottom + 6, x + labelWidth / 2, plot.bottom + 24 };
        dc.DrawText(MonthLabel(month), &text, DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
    };
    bool labelled = false;
    for (int month = first + 1; month <= last; ++month) {
        if (month % step != 0)
            continue;
        const int x = X(StartOfMonth(month));
        CPen* oldPen = dc.SelectObject(&grid);
        dc.MoveTo(x, plot.top + 1);
        dc.LineTo(x, plot.bottom - 1);
        dc.SelectObject(&ink);
        dc.MoveTo(x, plot.bottom);
        dc.LineTo(x, plot.bottom + 5);
        dc.SelectObject(oldPen);
        label(month, x);
        labelled = true;
    }
    // Dates within one month: that month under the middle.
    if (!labelled)
        label(first, (m_inner.left + m_inner.right) / 2);
    dc.SelectObject(oldFont);
}

std::vector<RECT> CTimeAxis::PaintPeriods(CDC& dc, const RECT& plot, const std::vector<ColonyChartPeriod>& periods) const
{
    std::vector<RECT> places;
    for (const ColonyChartPeriod& period : periods) {
        const int first = X(period.first);
        const int end = std::max(X(period.end), first + 2);
        if (end <= plot.left + 1 || first >= plot.right - 1)
            continue;
        const RECT place { std::max<int>(plot.left + 1, first), plot.top + 1, std::min<int>(plot.right - 1, end),
            plot.bottom - 1 };
        dc.FillSolidRect(place.left, place.top, place.right - place.left, place.bottom - place.top, PeriodColour);
        places.push_back(place);
    }
    return places;
}
