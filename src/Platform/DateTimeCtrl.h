#pragma once

#include "Wnd.h"

#include <cstdint>

// A date picker ("SysDateTimePick32") showing day.month.year, with a drop-down calendar
// (DTS_UPDOWN: arrows instead). Values are seconds since 1970; the time of day of the value set
// is kept. A change by the user sends WM_NOTIFY with DTN_DATETIMECHANGE to the parent.
class CDateTimeCtrl : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetTime(std::int64_t time);
    // The shown day at the kept time of day, in local time.
    DWORD GetTime(std::int64_t& time) const;
    // The size that shows the whole date, with its drop-down button, in the control's font.
    SIZE IdealSize() const;
};
