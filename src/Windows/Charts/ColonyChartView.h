#pragma once

#include "ChartView.h"
#include "ColonyChart.h"
#include "ToolTipCtrl.h"

#include <memory>

// The selected colony's records as lines over time. A click on a legend entry hides or shows its
// series, the pointer resting on a marker shows that record's values, and a double-click on a
// marker opens the record's change form.
class CColonyChartView : public CChartView
{
public:
    using CChartView::CChartView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_chart.Title(); }

    const CColonyChart& Chart() const { return m_chart; }
    // What the last paint on the window laid out.
    const CColonyChart::Layout& Layout() const { return m_layout; }
    // The text the tooltip shows now.
    std::u16string TipText() { return m_tips ? m_tips->ShownText(this) : u""; }

    int OnCreate(CREATESTRUCT* create) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    std::vector<Switch> Switches() const override;

private:
    CColonyChart m_chart;
    CColonyChart::Layout m_layout;
    // Made with each window: its tools are the window it was made for.
    std::unique_ptr<CToolTipCtrl> m_tips;
    int m_tipRecord = -1;
};
