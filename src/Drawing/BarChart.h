#pragma once

#include "ChartFrame.h"

#include <string>
#include <vector>

// A series of a bar chart: its legend text, its colour, and whether its numbers are read on a
// second axis at the right.
struct BarSeries
{
    std::u16string name;
    COLORREF colour = 0;
    bool rightAxis = false;
};

// A group of bars side by side, one per series, labelled under the plot.
struct BarGroup
{
    std::u16string label;
    std::vector<int> values;
};

// Groups of bars in the given order, each axis scaled to its own series.
class CBarChart
{
public:
    // An empty group list paints the empty text instead of a plot.
    void SetData(std::u16string title, std::vector<BarSeries> series, std::vector<BarGroup> groups,
        std::u16string emptyText);
    const std::u16string& Title() const { return m_title; }
    const std::vector<BarGroup>& Groups() const { return m_groups; }
    CFont* LabelFont() const { return m_frame.LabelFont(); }

    // Returns the bars, group after group and in each the series in order; a value of 0 has an
    // empty bar, and nothing plotted no bars.
    std::vector<RECT> Paint(CDC& dc, const RECT& rect) const;

private:
    int HighestOn(bool rightAxis) const;
    void PaintLabels(CDC& dc, const RECT& plot, int groupWidth) const;

    CChartFrame m_frame;
    std::u16string m_title;
    std::u16string m_emptyText;
    std::vector<BarSeries> m_series;
    std::vector<BarGroup> m_groups;
};
