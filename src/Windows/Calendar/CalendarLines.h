#pragma once

#include "MonthCalendar.h"

#include <cstdint>
#include <vector>

// What the month calendar shows of the colonies the tree's selection covers (a colony, a site's
// colonies, or every colony when none is selected): the tasks still to do on each day they fall
// on, overdue ones in red, tasks done on the day they were done, then the records, events, care
// and mite counts of the month. Tasks for no colony in particular show only with none selected.
struct CalendarScope
{
    // A node kind of the tree and its id.
    int kind = 0;
    std::int32_t id = 0;
};

inline constexpr COLORREF kCalendarTaskColour = RGB(0, 70, 160);
inline constexpr COLORREF kCalendarOverdueColour = RGB(192, 0, 0);
inline constexpr COLORREF kCalendarDoneColour = RGB(130, 130, 130);
inline constexpr COLORREF kCalendarRecordColour = RGB(0, 0, 0);
inline constexpr COLORREF kCalendarEventColour = RGB(0, 120, 60);
inline constexpr COLORREF kCalendarCareColour = RGB(140, 80, 0);

std::vector<CalendarLine> CalendarLinesOf(int year, int month, const CalendarScope& scope, std::int64_t today);
