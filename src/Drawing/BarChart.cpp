#include "BarChart.h"

#include "Dc.h"
#include "Text.h"

#include <algorithm>

namespace {
constexpr int kInset = 8;
// Room over the tallest bar for its number.
constexpr int kNumberRoom = 20;
constexpr int kMargin = 56;
constexpr int kBottomMargin = 30;
constexpr int kLabelWidth = 70;
// Numbers over the bars from this width up.
constexpr int kNumberedBar = 22;
}

void CBarChart::SetData(std::u16string title, std::vector<BarSeries> series, std::vector<BarGroup> groups,
    std::u16string emptyText)
{
    m_title = std::move(title);
    m_series = std::move(series);
    m_groups = std::move(groups);
    m_emptyText = std::move(emptyText);
}

int CBarChart::HighestOn(bool rightAxis) const
{
    int highest = 0;
    for (const BarGroup& group : m_groups) {
        for (std::size_t i = 0; i < m_series.size() && i < group.values.size(); ++i) {
            if (m_series[i].rightAxis == rightAxis)
                highest = std::max(highest, group.values[i]);
        }
    }
    return highest;
}

std::vector<RECT> CBarChart::Paint(CDC& dc, const RECT& rect) const
{
    std::vector<RECT> bars;
    RECT rest = m_frame.PaintCaption(dc, rect, m_title);
    if (m_groups.empty() || m_series.empty()) {
        m_frame.PaintEmpty(dc, rest, m_emptyText);
        return bars;
    }
    std::vector<CChartFrame::LegendEntry> legend;
    for (const BarSeries& series : m_series)
        legend.push_back({ series.name, series.colour, true });
    std::vector<RECT> places;
    rest = m_frame.PaintLegend(dc, rest, legend, places);
    const bool secondAxis = std::any_of(m_series.begin(), m_series.end(), [](const BarSeries& s) { return s.rightAxis; });
    const int leftTop = CChartFrame::NiceTop(HighestOn(false));
    const int rightTop = CChartFrame::NiceTop(HighestOn(true));
    const RECT plot { rest.left + m_frame.AxisRoom(dc, leftTop, kMargin), rest.top + 6,
        rest.right - (secondAxis ? m_frame.AxisRoom(dc, rightTop, kMargin) : 20), rest.bottom - kBottomMargin };
    if (plot.right - plot.left < 4 * kInset || plot.bottom - plot.top < 4 * kInset)
        return bars;
    CChartFrame::PaintPlot(dc, plot);
    const RECT inner { plot.left + kInset, plot.top + kNumberRoom, plot.right - kInset, plot.bottom - 1 };
    m_frame.PaintValueAxis(dc, plot, inner, leftTop, false, CChartFrame::Ink);
    if (secondAxis) {
        const auto right = std::find_if(m_series.begin(), m_series.end(), [](const BarSeries& s) { return s.rightAxis; });
        m_frame.PaintValueAxis(dc, plot, inner, rightTop, true, right->colour);
    }

    const int groups = static_cast<int>(m_groups.size());
    const int seriesCount = static_cast<int>(m_series.size());
    const int groupWidth = std::max(1, static_cast<int>(inner.right - inner.left) / groups);
    // A fifth of each group stays free between neighbours.
    const int barWidth = std::max(1, groupWidth * 4 / 5 / seriesCount);
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    for (int g = 0; g < groups; ++g) {
        const int left = inner.left + g * groupWidth + (groupWidth - barWidth * seriesCount) / 2;
        for (int s = 0; s < seriesCount; ++s) {
            const std::size_t index = static_cast<std::size_t>(s);
            const int value = index < m_groups[static_cast<std::size_t>(g)].values.size()
                ? m_groups[static_cast<std::size_t>(g)].values[index] : 0;
            const int top = CChartFrame::ValueY(inner, value, m_series[index].rightAxis ? rightTop : leftTop);
            const RECT bar { left + s * barWidth, top, left + (s + 1) * barWidth, inner.bottom };
            bars.push_back(value > 0 ? bar : RECT {});
            if (value <= 0)
                continue;
            dc.FillSolidRect(&bar, m_series[index].colour);
            if (barWidth >= kNumberedBar) {
                RECT number { bar.left - 10, bar.top - 18, bar.right + 10, bar.top - 1 };
                dc.SetTextColor(CChartFrame::Ink);
                dc.DrawText(CChartFrame::AxisNumber(value), &number, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
            }
        }
    }
    dc.SelectObject(oldFont);
    PaintLabels(dc, plot, groupWidth);
    return bars;
}

void CBarChart::PaintLabels(CDC& dc, const RECT& plot, int groupWidth) const
{
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetTextColor(CChartFrame::Ink);
    // Crowded groups label every few of them, each label as wide as the groups it stands over.
    const int every = std::max(1, (kLabelWidth + groupWidth - 1) / groupWidth);
    const int width = std::max(groupWidth, kLabelWidth);
    for (std::size_t g = 0; g < m_groups.size(); g += static_cast<std::size_t>(every)) {
        const int middle = plot.left + kInset + static_cast<int>(g) * groupWidth + groupWidth / 2;
        RECT text { middle - width / 2 + 2, plot.bottom + 5, middle + width / 2 - 2, plot.bottom + 24 };
        dc.DrawText(m_groups[g].label, &text, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.SelectObject(oldFont);
}
