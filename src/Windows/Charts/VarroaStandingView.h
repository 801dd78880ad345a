#pragma once

#include "ChartView.h"
#include "VarroaBars.h"
#include "VarroaData.h"

#include <vector>

// The latest mite count of each colony of the selected site against its threshold, the furthest
// above first; with no site selected, the colonies above their threshold in all sites.
class CVarroaStandingView : public CChartView
{
public:
    using CChartView::CChartView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_chart.Title(); }

    const CVarroaBars& Chart() const { return m_chart; }
    const VarroaStanding& Standing() const { return m_standing; }
    // The bars the last paint on the window drew.
    const std::vector<RECT>& Bars() const { return m_bars; }

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    std::vector<Switch> Switches() const override;

private:
    CVarroaBars m_chart;
    VarroaStanding m_standing;
    std::vector<RECT> m_bars;
};
