#include "AllSitesChartView.h"

#include "ChartData.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

void CAllSitesChartView::Prepare()
{
    m_state->page = PageAllSitesChart;
    m_state->recordId = 0;
}

bool CAllSitesChartView::Accepts(int tab, int kind, int action)
{
    return tab == kChartsTab && kind == NodeNone && action == ActionShowList;
}

COLORREF CAllSitesChartView::YearColour(std::size_t index)
{
    static constexpr COLORREF colours[] = { RGB(160, 100, 10), RGB(41, 110, 180), RGB(46, 150, 80), RGB(192, 57, 43),
        RGB(120, 80, 160), RGB(221, 165, 54), RGB(30, 150, 160), RGB(200, 90, 150), RGB(110, 110, 110),
        RGB(90, 60, 30), RGB(150, 190, 60), RGB(20, 60, 120) };
    return colours[index % std::size(colours)];
}

void CAllSitesChartView::Fill()
{
    HoneyBySiteAndYear honey = HoneyPerSiteAndYear();
    std::vector<BarSeries> years;
    for (std::size_t i = 0; i < honey.years.size(); ++i)
        years.push_back({ IntToText(honey.years[i]), YearColour(i), false });
    m_chart.SetData(Tr(StringId::ChartAllSitesTitle), std::move(years), std::move(honey.sites),
        Tr(StringId::ChartNoRecords));
}

std::vector<CChartView::Switch> CAllSitesChartView::Switches() const
{
    return { { StringId::WinterLossesButton, ActionShowWinterLosses }, { StringId::VarroaColumn, ActionShowVarroa } };
}

void CAllSitesChartView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_chart.Paint(dc, rect);
}

void CAllSitesChartView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_bars = m_chart.Paint(dc, rect);
}
