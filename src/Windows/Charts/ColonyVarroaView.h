#pragma once

#include "ChartView.h"
#include "VarroaChart.h"

// The selected colony's mite counts over time against their thresholds, its treatments shaded.
class CColonyVarroaView : public CChartView
{
public:
    using CChartView::CChartView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_chart.Title(); }

    const CVarroaChart& Chart() const { return m_chart; }
    // What the last paint on the window laid out.
    const CVarroaChart::Layout& Layout() const { return m_layout; }

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    std::vector<Switch> Switches() const override;

private:
    CVarroaChart m_chart;
    CVarroaChart::Layout m_layout;
};
