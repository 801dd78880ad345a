#pragma once

#include "Wnd.h"
#include "WndImpl.h"

// The settings window.
class CSettingsWin : public CWnd, public CWndImpl
{
public:
    CSettingsWin();

    // Visible, with a system menu and the settings caption, 700 x 500 where the desktop places it.
    BOOL CreateFrame();
};
