#include "VarroaStandingView.h"

#include "Calendar.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "VarroaThresholds.h"

void CVarroaStandingView::Prepare()
{
    m_state->page = PageVarroaStanding;
}

bool CVarroaStandingView::Accepts(int tab, int kind, int action)
{
    return tab == kChartsTab && kind != NodeColony && action == ActionShowVarroa;
}

void CVarroaStandingView::Fill()
{
    const std::int32_t site = m_state->recordId;
    m_standing = VarroaStandingOf(site, SavedMiteThresholds(), CurrentTime());
    const CPointFamilyCache::Point* point = site != 0 ? GetPointFamilyCache()->FindPoint(site) : nullptr;
    std::u16string title = point ? TrFilled(StringId::ChartSiteVarroaTitle,
                                       { point->name, IntToText(m_standing.above), IntToText(m_standing.colonies) })
                                 : TrFilled(StringId::ChartJournalVarroaTitle, { IntToText(m_standing.above) });
    m_chart.SetData(std::move(title), m_standing.bars,
        Tr(point ? StringId::ChartNoRecentCounts : StringId::ChartNoneAboveThreshold));
    m_bars.clear();
}

std::vector<CChartView::Switch> CVarroaStandingView::Switches() const
{
    return { { StringId::ChartsButton, ActionShowList } };
}

void CVarroaStandingView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_chart.Paint(dc, rect);
}

void CVarroaStandingView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_bars = m_chart.Paint(dc, rect);
}
