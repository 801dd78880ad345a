#pragma once

#include "Cursor.h"
#include "WinDefs.h"

#include <string>

class CBrush;
using HBRUSH = CBrush*;

// A window class: what windows created with its name share.
struct WNDCLASS
{
    UINT style = 0;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    // The brush's colour at registration fills the background on WM_ERASEBKGND; none leaves it.
    HBRUSH hbrBackground = nullptr;
    std::u16string lpszClassName;
};

// False when the name is empty or already registered.
BOOL RegisterClass(const WNDCLASS& windowClass);
BOOL AfxRegisterClass(const WNDCLASS* windowClass);
// Registers (once) a class with these attributes under a generated name and returns the name.
std::u16string AfxRegisterWndClass(UINT style, HCURSOR cursor = nullptr, HBRUSH background = nullptr, HICON icon = nullptr);

// What a created window keeps of its class.
struct WindowClassInfo
{
    UINT style = 0;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;
    bool hasBackground = false;
    COLORREF background = 0;
};

// The registered class of that name, or null.
const WindowClassInfo* FindWindowClass(const std::u16string& name);
