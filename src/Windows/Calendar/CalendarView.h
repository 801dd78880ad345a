#pragma once

#include "Button.h"
#include "Calendar.h"
#include "ChartView.h"
#include "MonthCalendar.h"
#include "Subscription.h"
#include "ToolTipCtrl.h"

#include <cstdint>
#include <functional>
#include <memory>

#include <vector>

// The calendar tab: a month of the tasks and of what was done in the colonies the tree's selection
// covers. The month stays as the selection moves; the strip's buttons, or Page Up and Page Down,
// turn to the month before or after, and "Today" back to this one. A double-click on a task opens
// it to change or to mark done; hovering a day shows all its lines whole. Past midnight the page
// moves today's tint and the overdue tasks on by itself.
class CCalendarView : public CChartView
{
public:
    static constexpr int IdPreviousMonth = IdSwitch + 10;
    static constexpr int IdThisMonth = IdSwitch + 11;
    static constexpr int IdNextMonth = IdSwitch + 12;
    static constexpr UINT_PTR DayTimer = 1;

    explicit CCalendarView(JournalState* state);
    ~CCalendarView() override;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void PaintChart(CDC& dc, const RECT& rect) const override;
    std::u16string ChartTitle() const override { return m_calendar.Title(); }

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;
    // The clock it takes today from; the system's unless a test sets another.
    void SetClock(std::function<std::int64_t()> clock) { m_clock = std::move(clock); }

    int Year() const { return m_year; }
    int Month() const { return m_month; }
    const CMonthCalendar& Calendar() const { return m_calendar; }
    // The lines the last paint on the window showed, with their places.
    const std::vector<CMonthCalendar::Placed>& Placed() const { return m_placed; }
    // What hovering the page shows now.
    std::u16string TipText() { return m_tips ? m_tips->ShownText(this) : std::u16string(); }
    CButton& MonthButton(int id);

protected:
    void Fill() override;
    void PaintOnScreen(CDC& dc, const RECT& rect) override;
    int StripHeight() const override { return StripSize; }

private:
    LocalTime Now() const;
    void TurnMonths(int months);
    void PlaceMonthButtons(int width);

    CSubscription m_tasks;
    std::function<std::int64_t()> m_clock;
    // The day the calendar was last filled on.
    std::int64_t m_filledOn = 0;
    int m_kind = 0;
    int m_year;
    int m_month;
    CMonthCalendar m_calendar;
    std::vector<CMonthCalendar::Placed> m_placed;
    // Where the last paint on the window put the calendar.
    RECT m_area {};
    std::unique_ptr<CToolTipCtrl> m_tips;
    int m_tipDay = 0;
    CButton m_previous;
    CButton m_thisMonth;
    CButton m_next;
};
