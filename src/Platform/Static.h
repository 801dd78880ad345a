#pragma once

#include "Wnd.h"

// A static text control ("STATIC"): SS_LEFT, SS_CENTER, SS_RIGHT, SS_CENTERIMAGE (vertically
// centred), or SS_OWNERDRAW (the parent gets WM_DRAWITEM, handed to DrawItem).
class CStatic : public CWnd
{
public:
    BOOL Create(const std::u16string& text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
