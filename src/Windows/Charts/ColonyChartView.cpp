#include "ColonyChartView.h"

#include "ChartData.h"
#include "JournalAction.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Tr.h"

void CColonyChartView::Prepare()
{
    m_state->page = PageColonyChart;
}

bool CColonyChartView::Accepts(int tab, int kind, int action)
{
    return tab == kChartsTab && kind == NodeColony && action == ActionShowList;
}

void CColonyChartView::Fill()
{
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(m_state->recordId);
    const std::u16string title = Tr(StringId::ChartColonyTitle);
    m_chart.SetData(family ? family->name + u" \u2014 " + title : title, ColonyChartRecords(m_state->recordId),
        Tr(StringId::ChartNoColonyRecords), ColonyChartMarks(m_state->recordId), ColonyChartPeriods(m_state->recordId));
    // The markers laid out by the last paint index the old records until the next paint.
    m_layout = {};
    m_tipRecord = -1;
    if (m_tips)
        m_tips->UpdateTipText(u"", this);
}

std::vector<CChartView::Switch> CColonyChartView::Switches() const
{
    return { { StringId::VarroaColumn, ActionShowVarroa } };
}

void CColonyChartView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_chart.Paint(dc, rect);
}

void CColonyChartView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_layout = m_chart.Paint(dc, rect);
}

int CColonyChartView::OnCreate(CREATESTRUCT* create)
{
    m_tips = std::make_unique<CToolTipCtrl>();
    m_tips->Create(this);
    m_tips->AddTool(this);
    return CChartView::OnCreate(create);
}

void CColonyChartView::OnMouseMove(UINT flags, CPoint point)
{
    CChartView::OnMouseMove(flags, point);
    const int record = m_layout.MarkerAt(point);
    if (record == m_tipRecord || !m_tips)
        return;
    m_tipRecord = record;
    m_tips->UpdateTipText(
        record >= 0 ? CColonyChart::Describe(m_chart.Records()[static_cast<std::size_t>(record)]) : u"", this);
}

void CColonyChartView::OnLButtonDown(UINT flags, CPoint point)
{
    CChartView::OnLButtonDown(flags, point);
    const int series = m_layout.LegendAt(point);
    if (series < 0)
        return;
    m_chart.Toggle(series);
    Invalidate();
}

void CColonyChartView::OnLButtonDblClk(UINT flags, CPoint point)
{
    CChartView::OnLButtonDblClk(flags, point);
    const int record = m_layout.MarkerAt(point);
    if (record >= 0)
        PostJournalAction(this, ActionChangeInspection, m_chart.Records()[static_cast<std::size_t>(record)].id);
}
