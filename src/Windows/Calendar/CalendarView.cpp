#include "CalendarView.h"

#include "Calendar.h"
#include "CalendarLines.h"
#include "CareDialog.h"
#include "ColonyCare.h"
#include "JournalPrint.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "Text.h"
#include "Tr.h"

namespace {
constexpr int kArrowWidth = 40;
constexpr int kTodayWidth = 110;
constexpr int kGap = 6;
constexpr UINT kMinute = 60 * 1000;
}

CCalendarView::CCalendarView(JournalState* state)
    : CChartView(state)
    , m_tasks(this, { EventTasksChanged })
    , m_clock(CurrentTime)
    , m_year(Now().year)
    , m_month(Now().month)
{
}

LocalTime CCalendarView::Now() const
{
    return ToLocalTime(m_clock()).value_or(LocalTime {});
}

CCalendarView::~CCalendarView() = default;

void CCalendarView::Prepare()
{
    m_state->page = PageCalendar;
}

bool CCalendarView::Accepts(int tab, int kind, int action)
{
    if (tab != kCalendarTab || action != ActionShowList)
        return false;
    m_kind = kind;
    return true;
}

int CCalendarView::OnCreate(CREATESTRUCT* create)
{
    m_tips = std::make_unique<CToolTipCtrl>();
    m_tips->Create(this);
    m_tips->AddTool(this);
    m_tipDay = 0;
    if (CChartView::OnCreate(create) == -1)
        return -1;
    constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    m_previous.Create(u"◀", style, CRect(0, 0, 0, 0), this, IdPreviousMonth);
    m_thisMonth.Create(Tr(StringId::CalendarToday), style, CRect(0, 0, 0, 0), this, IdThisMonth);
    m_next.Create(u"▶", style, CRect(0, 0, 0, 0), this, IdNextMonth);
    PlaceMonthButtons(create->cx);
    SetTimer(DayTimer, kMinute);
    return 0;
}

CButton& CCalendarView::MonthButton(int id)
{
    return id == IdPreviousMonth ? m_previous : id == IdNextMonth ? m_next : m_thisMonth;
}

void CCalendarView::PlaceMonthButtons(int width)
{
    int right = width - 8;
    for (CButton* button : { &m_next, &m_thisMonth, &m_previous }) {
        const int buttonWidth = button == &m_thisMonth ? kTodayWidth : kArrowWidth;
        if (button->IsCreated())
            button->MoveWindow(right - buttonWidth, 5, buttonWidth, StripSize - 10);
        right -= buttonWidth + kGap;
    }
}

void CCalendarView::OnSize(UINT type, int cx, int cy)
{
    CChartView::OnSize(type, cx, cy);
    PlaceMonthButtons(cx);
}

void CCalendarView::Fill()
{
    const std::u16string month = TrFilled(StringId::CalendarTitle, { Tr(StringId::MonthJanuary + m_month - 1), IntToText(m_year) });
    std::u16string title = month;
    if (m_kind == NodeSite)
        title = TitleWithSite(month, m_state->recordId);
    else if (m_kind == NodeColony)
        title = TitleWithColony(month, m_state->recordId);
    const CalendarScope scope { m_kind, m_state->recordId };
    const std::int64_t now = m_clock();
    m_filledOn = DaysAfter(now, 0);
    m_calendar.SetMonth(std::move(title), m_year, m_month, now, CalendarLinesOf(m_year, m_month, scope, now));
    m_placed.clear();
    m_tipDay = 0;
    if (m_tips)
        m_tips->UpdateTipText(u"", this);
}

void CCalendarView::TurnMonths(int months)
{
    const int index = m_year * 12 + (m_month - 1) + months;
    m_year = index / 12;
    m_month = index % 12 + 1;
    Fill();
    Invalidate();
}

BOOL CCalendarView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CChartView::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IdPreviousMonth:
        TurnMonths(-1);
        return TRUE;
    case IdNextMonth:
        TurnMonths(1);
        return TRUE;
    case IdThisMonth: {
        const LocalTime now = Now();
        TurnMonths((now.year - m_year) * 12 + now.month - m_month);
        return TRUE;
    }
    default:
        return CChartView::OnCommand(wParam, lParam);
    }
}

void CCalendarView::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_PRIOR || key == VK_NEXT)
        TurnMonths(key == VK_PRIOR ? -1 : 1);
    else
        CChartView::OnKeyDown(key, repeat, flags);
}

void CCalendarView::OnLButtonDblClk(UINT flags, CPoint point)
{
    CChartView::OnLButtonDblClk(flags, point);
    for (const CMonthCalendar::Placed& placed : m_placed) {
        const CalendarLine& line = m_calendar.Lines()[placed.line];
        const RECT& place = placed.rect;
        if (line.idTask == 0 || point.x < place.left || point.x >= place.right || point.y < place.top || point.y >= place.bottom)
            continue;
        if (const Task* task = GetTaskCache()->Find(line.idTask)) {
            // The store is read again when the task changes.
            const Task shown = *task;
            CCareDialog(shown, shown.colonies.empty() ? 0 : shown.colonies.front(), this).DoModal();
        }
        return;
    }
}

void CCalendarView::OnTimer(UINT_PTR id)
{
    if (id != DayTimer) {
        CChartView::OnTimer(id);
        return;
    }
    if (DaysAfter(m_clock(), 0) != m_filledOn) {
        Fill();
        Invalidate();
    }
}

void CCalendarView::OnMouseMove(UINT flags, CPoint point)
{
    CChartView::OnMouseMove(flags, point);
    const int day = m_calendar.DayAt(m_area, point);
    if (day == m_tipDay || !m_tips)
        return;
    m_tipDay = day;
    m_tips->UpdateTipText(day != 0 ? m_calendar.DayText(day) : u"", this);
}

void CCalendarView::PaintChart(CDC& dc, const RECT& rect) const
{
    m_calendar.Paint(dc, rect);
}

void CCalendarView::PaintOnScreen(CDC& dc, const RECT& rect)
{
    m_area = rect;
    m_placed = m_calendar.Paint(dc, rect);
}
