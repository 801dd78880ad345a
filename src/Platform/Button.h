#pragma once

#include "Wnd.h"

// A button control ("BUTTON"): push button, default push button, check box, radio button, group
// box, or owner-drawn (BS_OWNERDRAW: the parent gets WM_DRAWITEM, which the base parent handler
// hands to DrawItem). A click sends WM_COMMAND with BN_CLICKED to the parent.
class CButton : public CWnd
{
public:
    BOOL Create(const std::u16string& caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    // TRUE shows the button pushed in.
    void SetState(BOOL pushed);
    void Click();
};
