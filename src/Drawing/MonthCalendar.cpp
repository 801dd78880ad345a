#include "MonthCalendar.h"

#include "Calendar.h"
#include "Dc.h"
#include "Pen.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kMargin = 6;
constexpr int kWeekdayRow = 20;
constexpr int kPadding = 3;
constexpr COLORREF kRule = RGB(190, 190, 190);

int DayOfMonth(std::int64_t time)
{
    const std::optional<LocalTime> local = ToLocalTime(time);
    return local ? local->day : 0;
}
}

void CMonthCalendar::SetMonth(std::u16string title, int year, int month, std::int64_t today, std::vector<CalendarLine> lines)
{
    m_title = std::move(title);
    m_year = year;
    m_month = month;
    // Day 0 of the next month is this month's last.
    m_days = DayOfMonth(LocalMidnight(year, month + 1, 0));
    const std::optional<LocalTime> now = ToLocalTime(today);
    m_today = now && now->year == year && now->month == month ? now->day : 0;
    m_lines = std::move(lines);
}

int CMonthCalendar::FirstColumn() const
{
    const std::optional<LocalTime> first = ToLocalTime(LocalMidnight(m_year, m_month, 1));
    return first ? first->weekday : 0;
}

int CMonthCalendar::Weeks() const
{
    return (FirstColumn() + m_days + 6) / 7;
}

RECT CMonthCalendar::GridOf(const RECT& rect) const
{
    return { rect.left + kMargin, rect.top + CChartFrame::CaptionHeight + kWeekdayRow, rect.right - kMargin,
        rect.bottom - kMargin };
}

RECT CMonthCalendar::DayBox(const RECT& rect, int day) const
{
    if (day < 1 || day > m_days)
        return { 0, 0, 0, 0 };
    const RECT grid = GridOf(rect);
    const int cell = FirstColumn() + day - 1;
    const int column = cell % 7;
    const int week = cell / 7;
    const int width = grid.right - grid.left;
    const int height = grid.bottom - grid.top;
    return { grid.left + width * column / 7, grid.top + height * week / Weeks(), grid.left + width * (column + 1) / 7,
        grid.top + height * (week + 1) / Weeks() };
}

int CMonthCalendar::DayAt(const RECT& rect, POINT point) const
{
    for (int day = 1; day <= m_days; ++day) {
        const RECT box = DayBox(rect, day);
        if (point.x >= box.left && point.x < box.right && point.y >= box.top && point.y < box.bottom)
            return day;
    }
    return 0;
}

std::vector<std::size_t> CMonthCalendar::LinesOf(int day) const
{
    std::vector<std::size_t> ofDay;
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        const std::optional<LocalTime> local = ToLocalTime(m_lines[index].day);
        if (local && local->year == m_year && local->month == m_month && local->day == day)
            ofDay.push_back(index);
    }
    return ofDay;
}

std::u16string CMonthCalendar::DayText(int day) const
{
    std::u16string text;
    for (std::size_t index : LinesOf(day))
        text += (text.empty() ? u"" : u"\n") + m_lines[index].text;
    return text;
}

std::vector<CMonthCalendar::Placed> CMonthCalendar::Paint(CDC& dc, const RECT& rect) const
{
    std::vector<Placed> placed;
    m_frame.PaintCaption(dc, rect, m_title);
    const RECT grid = GridOf(rect);
    if (grid.right - grid.left < 7 * 10 || grid.bottom - grid.top < Weeks() * 10)
        return placed;
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    const int width = grid.right - grid.left;
    dc.SetTextColor(CChartFrame::Ink);
    for (int column = 0; column < 7; ++column) {
        RECT head { grid.left + width * column / 7, grid.top - kWeekdayRow, grid.left + width * (column + 1) / 7, grid.top };
        dc.DrawText(Tr(StringId::WeekdayMonday + column), &head, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.FillSolidRect(&grid, OtherMonth);
    const int lineHeight = dc.GetTextExtent(u"Ag").cy + 1;
    for (int day = 1; day <= m_days; ++day) {
        const RECT box = DayBox(rect, day);
        dc.FillSolidRect(&box, day == m_today ? TodayTint : CChartFrame::Plot);
        dc.SetTextColor(CChartFrame::Ink);
        RECT number { box.left + kPadding, box.top + 1, box.right - kPadding, box.top + 1 + lineHeight };
        dc.DrawText(IntToText(day), &number, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        const std::vector<std::size_t> ofDay = LinesOf(day);
        const int room = std::max(0, static_cast<int>((box.bottom - number.bottom - 1) / lineHeight));
        const bool more = static_cast<int>(ofDay.size()) > room;
        const std::size_t shown = more ? static_cast<std::size_t>(std::max(0, room - 1)) : ofDay.size();
        int y = number.bottom;
        for (std::size_t i = 0; i < shown; ++i) {
            const CalendarLine& line = m_lines[ofDay[i]];
            RECT text { box.left + kPadding, y, box.right - kPadding, y + lineHeight };
            dc.SetTextColor(line.colour);
            dc.DrawText(line.text, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            placed.push_back({ text, ofDay[i] });
            y += lineHeight;
        }
        if (more && room > 0) {
            RECT text { box.left + kPadding, y, box.right - kPadding, y + lineHeight };
            dc.SetTextColor(CChartFrame::Faded);
            dc.DrawText(TrFilled(StringId::CalendarMore, { IntToText(static_cast<int>(ofDay.size() - shown)) }), &text,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    CPen rule(PS_SOLID, 1, kRule);
    CPen* oldPen = dc.SelectObject(&rule);
    for (int column = 0; column <= 7; ++column) {
        const int x = std::min(grid.left + width * column / 7, static_cast<int>(grid.right) - 1);
        dc.MoveTo(x, grid.top);
        dc.LineTo(x, grid.bottom);
    }
    for (int week = 0; week <= Weeks(); ++week) {
        const int y = std::min(grid.top + (grid.bottom - grid.top) * week / Weeks(), static_cast<int>(grid.bottom) - 1);
        dc.MoveTo(grid.left, y);
        dc.LineTo(grid.right, y);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
    return placed;
}
