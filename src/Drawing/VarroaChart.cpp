#include "VarroaChart.h"

#include "Dc.h"
#include "Pen.h"
#include "StringIds.h"
#include "Tr.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kInset = 10;
constexpr int kMarkerHalf = 3;
constexpr int kLeftMargin = 50;
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 30;
// Room above the highest marker for its label.
constexpr int kLabelRoom = 18;

int ShareY(const RECT& inner, double share, int top)
{
    const double height = inner.bottom - inner.top;
    return inner.bottom - static_cast<int>(std::lround(share * height / std::max(1, top)));
}
}

void CVarroaChart::SetData(std::u16string title, std::vector<Series> series, std::vector<VarroaChartPoint> points,
    std::vector<ColonyChartPeriod> periods, std::u16string emptyText)
{
    m_title = std::move(title);
    m_series = std::move(series);
    m_points = std::move(points);
    m_periods = std::move(periods);
    m_emptyText = std::move(emptyText);
}

CVarroaChart::Layout CVarroaChart::Paint(CDC& dc, const RECT& rect) const
{
    Layout layout;
    RECT rest = m_frame.PaintCaption(dc, rect, m_title);
    if (m_points.empty()) {
        m_frame.PaintEmpty(dc, rest, m_emptyText);
        return layout;
    }
    std::vector<CChartFrame::LegendEntry> legend;
    for (const Series& series : m_series)
        legend.push_back({ series.name, series.colour, true });
    legend.push_back({ Tr(StringId::ThresholdWord), ThresholdColour, true });
    std::vector<RECT> places;
    rest = m_frame.PaintLegend(dc, rest, legend, places);
    double highest = 100.0;
    for (const VarroaChartPoint& point : m_points)
        highest = std::max(highest, point.share);
    const int top = CChartFrame::NiceTop(static_cast<int>(std::ceil(highest)) + 1);
    const RECT plot { rest.left + m_frame.AxisRoom(dc, top, kLeftMargin), rest.top + 6, rest.right - kRightMargin,
        rest.bottom - kBottomMargin };
    if (plot.right - plot.left < 4 * kInset || plot.bottom - plot.top < 4 * kInset + kLabelRoom)
        return layout;
    CChartFrame::PaintPlot(dc, plot);
    layout.inner = { plot.left + kInset, plot.top + kInset + kLabelRoom, plot.right - kInset, plot.bottom - kInset };
    layout.top = top;
    // Periods beyond the counts are cut at the plot's edges, so the dates span the counts alone.
    const CTimeAxis axis(m_points.front().date, m_points.back().date, layout.inner);
    layout.periods = axis.PaintPeriods(dc, plot, m_periods);
    m_frame.PaintValueAxis(dc, plot, layout.inner, top, false, CChartFrame::Ink);
    axis.Paint(dc, m_frame.LabelFont(), plot);
    PaintThreshold(dc, plot, layout);
    layout.markers.resize(m_points.size());
    for (std::size_t series = 0; series < m_series.size(); ++series)
        PaintSeries(dc, axis, series, layout);
    return layout;
}

void CVarroaChart::PaintThreshold(CDC& dc, const RECT& plot, Layout& layout) const
{
    layout.thresholdY = ShareY(layout.inner, 100.0, layout.top);
    CPen dashed(PS_DASH, 1, ThresholdColour);
    CPen* oldPen = dc.SelectObject(&dashed);
    for (int offset = 0; offset < 2; ++offset) {
        dc.MoveTo(plot.left + 1, layout.thresholdY + offset);
        dc.LineTo(plot.right - 1, layout.thresholdY + offset);
    }
    dc.SelectObject(oldPen);
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(CChartFrame::Faded);
    RECT axisName { plot.left + 4, plot.top + 2, plot.right - 4, plot.top + kLabelRoom };
    dc.DrawText(Tr(StringId::ShareOfThresholdAxis), &axisName, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(oldFont);
}

void CVarroaChart::PaintSeries(CDC& dc, const CTimeAxis& axis, std::size_t series, Layout& layout) const
{
    const COLORREF colour = m_series[series].colour;
    std::vector<POINT> points;
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (m_points[i].series != series)
            continue;
        const POINT point { axis.X(m_points[i].date), ShareY(layout.inner, m_points[i].share, layout.top) };
        points.push_back(point);
        indexes.push_back(i);
        layout.markers[i] = point;
    }
    if (points.empty())
        return;
    CPen line(PS_SOLID, 2, colour);
    CPen* oldPen = dc.SelectObject(&line);
    dc.Polyline(points.data(), static_cast<int>(points.size()));
    dc.SelectObject(oldPen);
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const POINT& point = points[k];
        dc.FillSolidRect(point.x - kMarkerHalf, point.y - kMarkerHalf, 2 * kMarkerHalf + 1, 2 * kMarkerHalf + 1, colour);
        // Centred over its marker, but kept inside the plot at its edges.
        const std::u16string& text = m_points[indexes[k]].label;
        const int width = dc.GetTextExtent(text).cx;
        const int left = std::clamp<int>(point.x - width / 2, layout.inner.left - kInset + 2,
            std::max<int>(layout.inner.left, layout.inner.right + kInset - 2 - width));
        RECT label { left, point.y - kMarkerHalf - kLabelRoom, left + width, point.y - kMarkerHalf - 1 };
        dc.DrawText(text, &label, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    }
    dc.SelectObject(oldFont);
}
