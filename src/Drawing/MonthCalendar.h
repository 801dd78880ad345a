#pragma once

#include "ChartFrame.h"

#include <cstdint>
#include <string>
#include <vector>

// One line in a day of the month calendar: what was done or is planned that day.
struct CalendarLine
{
    // The local midnight of its day.
    std::int64_t day = 0;
    std::u16string text;
    COLORREF colour = 0;
    // The task the line stands for, 0 for a record or an event.
    std::int32_t idTask = 0;
};

// A month as a wall calendar: the weeks from Monday under the caption band, each day a box with its
// number and its lines in the order given. Today's box is tinted. Lines a box cannot hold are
// counted at its foot.
class CMonthCalendar
{
public:
    static constexpr COLORREF TodayTint = RGB(255, 245, 200);
    static constexpr COLORREF OtherMonth = RGB(235, 235, 235);

    struct Placed
    {
        RECT rect;
        std::size_t line;
    };

    // The lines may be of any day; those outside the month are not shown.
    void SetMonth(std::u16string title, int year, int month, std::int64_t today, std::vector<CalendarLine> lines);
    const std::u16string& Title() const { return m_title; }
    const std::vector<CalendarLine>& Lines() const { return m_lines; }

    // Returns the places of the lines shown.
    std::vector<Placed> Paint(CDC& dc, const RECT& rect) const;
    // The day's box in the calendar painted into the rectangle; empty for a day outside the month.
    RECT DayBox(const RECT& rect, int day) const;
    // The day of the month whose box holds the point, 0 for none.
    int DayAt(const RECT& rect, POINT point) const;
    // The texts of the day's lines, one a line, as the box would show them with room enough.
    std::u16string DayText(int day) const;

private:
    // Weeks shown and the first day's column (0 for Monday).
    int Weeks() const;
    int FirstColumn() const;
    RECT GridOf(const RECT& rect) const;
    // The indexes of the day's lines, in order.
    std::vector<std::size_t> LinesOf(int day) const;

    CChartFrame m_frame;
    std::u16string m_title;
    int m_year = 1970;
    int m_month = 1;
    int m_days = 31;
    int m_today = 0;
    std::vector<CalendarLine> m_lines;
};
