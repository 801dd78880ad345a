#include "ColonyChart.h"

#include "Calendar.h"
#include "Dc.h"
#include "Pen.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kInset = 10;
constexpr int kMarkerHalf = 3;
constexpr int kHitRadius = 6;
constexpr int kLeftMargin = 50;
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 30;
constexpr std::int32_t kSeriesNames[] = { StringId::StrengthField, StringId::FramesField, StringId::BroodField,
    StringId::HoneyField };
}

CColonyChart::CColonyChart()
{
    m_shown.fill(true);
}

void CColonyChart::SetData(std::u16string title, std::vector<ColonyChartRecord> records, std::u16string emptyText,
    std::vector<ColonyChartMark> marks, std::vector<ColonyChartPeriod> periods)
{
    m_title = std::move(title);
    m_records = std::move(records);
    m_emptyText = std::move(emptyText);
    m_marks = std::move(marks);
    m_periods = std::move(periods);
}

std::int64_t CColonyChart::FirstDate() const
{
    std::int64_t first = m_records.front().date;
    for (const ColonyChartMark& mark : m_marks)
        first = std::min(first, mark.date);
    return first;
}

std::int64_t CColonyChart::LastDate() const
{
    std::int64_t last = m_records.back().date;
    for (const ColonyChartMark& mark : m_marks)
        last = std::max(last, mark.date);
    return last;
}

void CColonyChart::Toggle(int series)
{
    if (series >= 0 && series < ColonySeriesCount)
        m_shown[static_cast<std::size_t>(series)] = !m_shown[static_cast<std::size_t>(series)];
}

COLORREF CColonyChart::SeriesColour(int series)
{
    static constexpr COLORREF colours[] = { RGB(192, 57, 43), RGB(41, 110, 180), RGB(46, 150, 80), RGB(160, 100, 10) };
    return colours[series];
}

std::u16string CColonyChart::SeriesName(int series)
{
    return Tr(kSeriesNames[series]);
}

std::u16string CColonyChart::Describe(const ColonyChartRecord& record)
{
    std::u16string text = FormatDateText(record.date);
    for (int series = 0; series < ColonySeriesCount; ++series)
        text += u"\n" + SeriesName(series) + u": " + IntToText(record.values[static_cast<std::size_t>(series)]);
    return text;
}

CColonyChart::Layout CColonyChart::Paint(CDC& dc, const RECT& rect) const
{
    Layout layout;
    RECT rest = m_frame.PaintCaption(dc, rect, m_title);
    if (m_records.empty()) {
        m_frame.PaintEmpty(dc, rest, m_emptyText);
        return layout;
    }
    std::vector<CChartFrame::LegendEntry> legend;
    for (int series = 0; series < ColonySeriesCount; ++series)
        legend.push_back({ SeriesName(series), SeriesColour(series), IsShown(series) });
    rest = m_frame.PaintLegend(dc, rest, legend, layout.legend);
    int highest = 0;
    for (const ColonyChartRecord& record : m_records) {
        for (int series = 0; series < ColonySeriesCount; ++series) {
            if (IsShown(series))
                highest = std::max(highest, record.values[static_cast<std::size_t>(series)]);
        }
    }
    const int top = CChartFrame::NiceTop(highest);
    const RECT plot { rest.left + m_frame.AxisRoom(dc, top, kLeftMargin), rest.top + 6, rest.right - kRightMargin,
        rest.bottom - kBottomMargin };
    if (plot.right - plot.left < 4 * kInset || plot.bottom - plot.top < 4 * kInset)
        return layout;
    CChartFrame::PaintPlot(dc, plot);
    layout.inner = { plot.left + kInset, plot.top + kInset, plot.right - kInset, plot.bottom - kInset };
    const CTimeAxis axis(FirstDate(), LastDate(), layout.inner);
    layout.periods = axis.PaintPeriods(dc, plot, m_periods);
    layout.top = top;
    m_frame.PaintValueAxis(dc, plot, layout.inner, layout.top, false, CChartFrame::Ink);
    axis.Paint(dc, m_frame.LabelFont(), plot);
    PaintMarks(dc, axis, plot, layout);
    for (int series = 0; series < ColonySeriesCount; ++series) {
        if (IsShown(series))
            PaintSeries(dc, axis, series, layout);
    }
    return layout;
}

void CColonyChart::PaintMarks(CDC& dc, const CTimeAxis& axis, const RECT& plot, Layout& layout) const
{
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    CPen line(PS_DOT, 1, MarkColour);
    CPen* oldPen = dc.SelectObject(&line);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(MarkColour);
    const int lineHeight = dc.GetTextExtent(u"Ag").cy;
    // Labels that would overlap the one before go a line lower, back to the top when clear.
    std::vector<int> rowEnds;
    for (const ColonyChartMark& mark : m_marks) {
        const int x = axis.X(mark.date);
        dc.MoveTo(x, plot.top + 1);
        dc.LineTo(x, plot.bottom - 1);
        const int width = dc.GetTextExtent(mark.label).cx;
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] > x)
            ++row;
        if (row == rowEnds.size())
            rowEnds.push_back(0);
        rowEnds[row] = x + 3 + width + 4;
        RECT text { x + 3, plot.top + 2 + static_cast<int>(row) * lineHeight, x + 3 + width,
            plot.top + 2 + static_cast<int>(row + 1) * lineHeight };
        // Near the right edge the label goes left of its line.
        if (text.right > plot.right - 1) {
            text.left -= width + 6;
            text.right -= width + 6;
        }
        dc.DrawText(mark.label, &text, DT_LEFT | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        layout.marks.push_back({ std::min<int>(x, text.left), plot.top + 1, std::max<int>(x + 1, text.right),
            plot.bottom - 1 });
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}

void CColonyChart::PaintSeries(CDC& dc, const CTimeAxis& axis, int series, Layout& layout) const
{
    const COLORREF colour = SeriesColour(series);
    std::vector<POINT> points;
    points.reserve(m_records.size());
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const int value = m_records[i].values[static_cast<std::size_t>(series)];
        const POINT point { axis.X(m_records[i].date), CChartFrame::ValueY(layout.inner, value, layout.top) };
        points.push_back(point);
        layout.markers.push_back({ point.x, point.y, i });
    }
    CPen line(PS_SOLID, 2, colour);
    CPen* oldPen = dc.SelectObject(&line);
    dc.Polyline(points.data(), static_cast<int>(points.size()));
    dc.SelectObject(oldPen);
    for (const POINT& point : points)
        dc.FillSolidRect(point.x - kMarkerHalf, point.y - kMarkerHalf, 2 * kMarkerHalf + 1, 2 * kMarkerHalf + 1, colour);
}

int CColonyChart::Layout::MarkerAt(POINT point) const
{
    const Marker* nearest = nullptr;
    long long best = static_cast<long long>(kHitRadius) * kHitRadius;
    for (const Marker& marker : markers) {
        const long long dx = marker.x - point.x;
        const long long dy = marker.y - point.y;
        if (dx * dx + dy * dy <= best) {
            best = dx * dx + dy * dy;
            nearest = &marker;
        }
    }
    return nearest ? static_cast<int>(nearest->record) : -1;
}
