#pragma once

#include "ChartFrame.h"
#include "TimeAxis.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The series of a colony chart, in legend order.
enum ColonySeries : int
{
    SeriesStrength = 0,
    SeriesFrames = 1,
    SeriesBrood = 2,
    SeriesHoney = 3,
    ColonySeriesCount = 4,
};

// One record of a colony as the chart shows it.
struct ColonyChartRecord
{
    std::int32_t id = 0;
    std::int64_t date = 0;
    std::array<int, ColonySeriesCount> values {};
};

// One event of the colony's life, marked on the chart at its date.
struct ColonyChartMark
{
    std::int64_t date = 0;
    std::u16string label;
};

// A line per series over the records' dates with a marker per record, the dates labelled by month
// and year under the plot. The series share one value axis, scaled to the shown ones. The colony's
// events are thin vertical marks with a short label at the plot's top; the dates span both.
class CColonyChart
{
public:
    struct Marker
    {
        int x;
        int y;
        std::size_t record;
    };
    // Where a paint put things, for finding what the pointer is on.
    struct Layout
    {
        // The first and last dates lie on its left and right edges, 0 on its bottom and the top of
        // the value axis on its top; empty when nothing was plotted.
        RECT inner {};
        int top = 0;
        std::vector<RECT> legend;
        std::vector<Marker> markers;
        // The event marks' places, their line and label, in the order of the marks.
        std::vector<RECT> marks;
        // The shaded periods' places inside the plot, in the order of the periods.
        std::vector<RECT> periods;

        // The series whose legend entry holds the point, or -1.
        int LegendAt(POINT point) const { return CChartFrame::IndexAt(legend, point); }
        // The index of the record whose marker is nearest the point within a few pixels, or -1.
        int MarkerAt(POINT point) const;
    };

    CColonyChart();

    // The records in date order; an empty list paints the empty text instead of a plot.
    void SetData(std::u16string title, std::vector<ColonyChartRecord> records, std::u16string emptyText,
        std::vector<ColonyChartMark> marks = {}, std::vector<ColonyChartPeriod> periods = {});
    const std::u16string& Title() const { return m_title; }
    const std::vector<ColonyChartRecord>& Records() const { return m_records; }
    const std::vector<ColonyChartMark>& Marks() const { return m_marks; }
    const std::vector<ColonyChartPeriod>& Periods() const { return m_periods; }

    static constexpr COLORREF MarkColour = RGB(120, 80, 160);
    static constexpr COLORREF PeriodColour = CTimeAxis::PeriodColour;

    Layout Paint(CDC& dc, const RECT& rect) const;

    bool IsShown(int series) const { return m_shown[static_cast<std::size_t>(series)]; }
    void Toggle(int series);
    // The record's date and values, a line each.
    static std::u16string Describe(const ColonyChartRecord& record);

    static COLORREF SeriesColour(int series);
    static std::u16string SeriesName(int series);

private:
    void PaintSeries(CDC& dc, const CTimeAxis& axis, int series, Layout& layout) const;
    void PaintMarks(CDC& dc, const CTimeAxis& axis, const RECT& plot, Layout& layout) const;
    // The first and last dates the plot spans, of records and marks.
    std::int64_t FirstDate() const;
    std::int64_t LastDate() const;

    CChartFrame m_frame;
    std::u16string m_title;
    std::u16string m_emptyText;
    std::vector<ColonyChartRecord> m_records;
    std::vector<ColonyChartMark> m_marks;
    std::vector<ColonyChartPeriod> m_periods;
    std::array<bool, ColonySeriesCount> m_shown;
};
