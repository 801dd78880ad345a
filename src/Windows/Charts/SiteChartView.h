#pragma once

#include "BarChart.h"
#include "ChartView.h"
#include "ComboBox.h"

#include <vector>

// The selected site's season: per colony, the honey taken in the chosen year and the latest
// strength, the colonies with the most honey first. The year is chosen above the chart.
class CSiteChartView : public CChartView
{
public:
    static constexpr int IdYear = 12331;

    explicit CSiteChartView(JournalState* state);

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_chart.Title(); }

    const CBarChart& Chart() const { return m_chart; }
    CComboBox& YearChooser() { return m_years; }
    const std::vector<RECT>& Bars() const { return m_bars; }

    int OnCreate(CREATESTRUCT* create) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    int StripHeight() const override { return StripSize; }
    void PaintStrip(CDC& dc, const RECT& strip) override;
    std::vector<Switch> Switches() const override;

private:
    void FillChart();

    CBarChart m_chart;
    CComboBox m_years;
    std::vector<RECT> m_bars;
    std::vector<int> m_seasons;
    // The chosen year, kept while the page shows the same site; 0 for the latest.
    int m_year = 0;
    std::int32_t m_site = 0;
};
