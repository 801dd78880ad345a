#pragma once

#include "WinDefs.h"

#include <cstdint>

// The header of every WM_NOTIFY; the notification records begin with it.
struct NMHDR
{
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

struct SYSTEMTIME
{
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

constexpr DWORD GDT_VALID = 0;

struct NMDATETIMECHANGE
{
    NMHDR nmhdr;
    DWORD dwFlags = GDT_VALID;
    SYSTEMTIME st;
};
