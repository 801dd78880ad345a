#pragma once

#include "ChartFrame.h"
#include "TimeAxis.h"

#include <cstdint>
#include <string>
#include <vector>

// One count on a colony's varroa chart: against its threshold in per cent (100 at the threshold),
// in the series of its method, labelled with what was counted.
struct VarroaChartPoint
{
    std::int64_t date = 0;
    std::size_t series = 0;
    double share = 0.0;
    std::u16string label;
};

// A colony's mite counts over time, a line per method. The counts of every method are read
// against their own threshold, so one dashed line at 100 % stands for the thresholds of all methods
// and months; each marker is labelled with the count in its own unit. Treatments are shaded.
class CVarroaChart
{
public:
    struct Series
    {
        std::u16string name;
        COLORREF colour;
    };
    struct Layout
    {
        // The first and last dates lie on its left and right edges, 0 % on its bottom; empty when
        // nothing was plotted.
        RECT inner {};
        int top = 0;
        int thresholdY = 0;
        // In the order of the points.
        std::vector<POINT> markers;
        std::vector<RECT> periods;
    };

    static constexpr COLORREF ThresholdColour = RGB(192, 0, 0);

    // Points in date order; none paints the empty text instead of a plot.
    void SetData(std::u16string title, std::vector<Series> series, std::vector<VarroaChartPoint> points,
        std::vector<ColonyChartPeriod> periods, std::u16string emptyText);
    const std::u16string& Title() const { return m_title; }
    const std::vector<VarroaChartPoint>& Points() const { return m_points; }

    Layout Paint(CDC& dc, const RECT& rect) const;

private:
    void PaintThreshold(CDC& dc, const RECT& plot, Layout& layout) const;
    void PaintSeries(CDC& dc, const CTimeAxis& axis, std::size_t series, Layout& layout) const;

    CChartFrame m_frame;
    std::u16string m_title;
    std::u16string m_emptyText;
    std::vector<Series> m_series;
    std::vector<VarroaChartPoint> m_points;
    std::vector<ColonyChartPeriod> m_periods;
};
