#include "SiteChartView.h"

#include "ChartData.h"
#include "ColonyChart.h"
#include "Dc.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kLabelWidth = 70;
constexpr RECT kChooser { 80, 6, 180, 200 };
}

CSiteChartView::CSiteChartView(JournalState* state)
    : CChartView(state)
{
}

void CSiteChartView::Prepare()
{
    m_state->page = PageSiteChart;
}

bool CSiteChartView::Accepts(int tab, int kind, int action)
{
    return tab == kChartsTab && kind == NodeSite && action == ActionShowList;
}

int CSiteChartView::OnCreate(CREATESTRUCT* create)
{
    m_years.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, kChooser, this, IdYear);
    return CChartView::OnCreate(create);
}

void CSiteChartView::Fill()
{
    if (m_site != m_state->recordId)
        m_year = 0;
    m_site = m_state->recordId;
    m_seasons = SiteSeasons(m_site);
    if (std::find(m_seasons.begin(), m_seasons.end(), m_year) == m_seasons.end())
        m_year = m_seasons.empty() ? 0 : m_seasons.front();
    m_years.ResetContent();
    for (const int season : m_seasons) {
        const int item = m_years.AddString(IntToText(season));
        if (season == m_year)
            m_years.SetCurSel(item);
    }
    m_years.EnableWindow(!m_seasons.empty());
    FillChart();
}

void CSiteChartView::FillChart()
{
    const CPointFamilyCache::Point* point = GetPointFamilyCache()->FindPoint(m_site);
    std::u16string title = Tr(StringId::ChartSiteTitle) + (m_year != 0 ? u" " + IntToText(m_year) : u"");
    if (point)
        title = point->name + u" \u2014 " + title;
    m_chart.SetData(std::move(title),
        { { Tr(StringId::ChartHoneyTaken), CColonyChart::SeriesColour(SeriesHoney), false },
            { Tr(StringId::ChartLatestStrength), CColonyChart::SeriesColour(SeriesStrength), true } },
        m_year != 0 ? SiteSeasonGroups(m_site, m_year) : std::vector<BarGroup> {}, Tr(StringId::ChartNoSiteRecords));
}

std::vector<CChartView::Switch> CSiteChartView::Switches() const
{
    return { { StringId::WinterLossesButton, ActionShowWinterLosses }, { StringId::VarroaColumn, ActionShowVarroa } };
}

void CSiteChartView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_chart.Paint(dc, rect);
}

void CSiteChartView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_bars = m_chart.Paint(dc, rect);
}

void CSiteChartView::PaintStrip(CDC& dc, const RECT& strip)
{
    CFont* oldFont = dc.SelectObject(m_chart.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    RECT label { strip.left + 8, strip.top, strip.left + 8 + kLabelWidth, strip.bottom };
    dc.DrawText(Tr(StringId::ChartSeasonLabel), &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldFont);
}

BOOL CSiteChartView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != IdYear || HIWORD(wParam) != CBN_SELCHANGE)
        return CChartView::OnCommand(wParam, lParam);
    const int chosen = m_years.GetCurSel();
    if (chosen >= 0 && chosen < static_cast<int>(m_seasons.size())) {
        m_year = m_seasons[static_cast<std::size_t>(chosen)];
        FillChart();
        Invalidate();
    }
    return TRUE;
}
