#pragma once

#include "BarChart.h"
#include "ChartView.h"

#include <vector>

// With no node selected: per site, the honey taken in each year.
class CAllSitesChartView : public CChartView
{
public:
    using CChartView::CChartView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_chart.Title(); }

    const CBarChart& Chart() const { return m_chart; }
    const std::vector<RECT>& Bars() const { return m_bars; }

    // The colour of the n-th year's bars.
    static COLORREF YearColour(std::size_t index);

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    std::vector<Switch> Switches() const override;

private:
    CBarChart m_chart;
    std::vector<RECT> m_bars;
};
