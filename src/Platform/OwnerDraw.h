#pragma once

#include "WinDefs.h"

class CDC;

// What WM_DRAWITEM carries: the parent's base handler hands it to the control's DrawItem.
struct DRAWITEMSTRUCT
{
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    CWnd* hwndItem = nullptr;
    CDC* hDC = nullptr;
    RECT rcItem {};
    std::uintptr_t itemData = 0;
};

// What WM_MEASUREITEM carries (owner-drawn list boxes ask once for their item height).
struct MEASUREITEMSTRUCT
{
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    std::uintptr_t itemData = 0;
};
