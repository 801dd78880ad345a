#include "ColonyVarroaView.h"

#include "ChartData.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Tr.h"
#include "VarroaData.h"
#include "VarroaThresholds.h"

void CColonyVarroaView::Prepare()
{
    m_state->page = PageColonyVarroa;
}

bool CColonyVarroaView::Accepts(int tab, int kind, int action)
{
    return tab == kChartsTab && kind == NodeColony && action == ActionShowVarroa;
}

void CColonyVarroaView::Fill()
{
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(m_state->recordId);
    ColonyVarroa varroa = ColonyVarroaOf(m_state->recordId, SavedMiteThresholds());
    m_chart.SetData(TrFilled(StringId::ChartColonyVarroaTitle, { family ? family->name : u"" }), std::move(varroa.series),
        std::move(varroa.points), ColonyChartPeriods(m_state->recordId), Tr(StringId::ChartNoMiteCounts));
    m_layout = {};
}

std::vector<CChartView::Switch> CColonyVarroaView::Switches() const
{
    return { { StringId::ChartsButton, ActionShowList } };
}

void CColonyVarroaView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_chart.Paint(dc, rect);
}

void CColonyVarroaView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_layout = m_chart.Paint(dc, rect);
}
