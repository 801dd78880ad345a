#pragma once

#include "ChartView.h"
#include "LossTable.h"
#include "WinterLosses.h"

#include <string>
#include <vector>

// The winter losses of the selected site, or of all sites with none selected: per winter the
// colonies alive in autumn, those lost by spring, the share lost and the causes. The strip's button
// goes back to the charts; the table prints as the charts do and exports as CSV.
class CWinterLossView : public CChartView
{
public:
    using CChartView::CChartView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_table.Title(); }

    const std::vector<WinterLoss>& Winters() const { return m_winters; }
    // The header and the rows as the page shows them, for a CSV file.
    std::vector<std::vector<std::u16string>> TableRows() const;
    // The places of the share bars the last paint on the window drew.
    const std::vector<RECT>& Bars() const { return m_bars; }

    // "2024/25": the winter that begins in the autumn of the year.
    static std::u16string WinterName(int year);
    // The causes with their counts, the most frequent first: "varroa 3, starvation 1".
    static std::u16string CausesText(const WinterLoss& winter);

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    std::vector<Switch> Switches() const override;

private:
    CLossTable m_table;
    std::vector<WinterLoss> m_winters;
    std::vector<RECT> m_bars;
};
