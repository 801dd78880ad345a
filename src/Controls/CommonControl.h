#pragma once

#include "Wnd.h"

// Sent (synchronously) to the parent when Tab is pressed in a common control; lParam is the
// control as CCommonControl*.
constexpr UINT WM_COMMON_TAB = WM_USER + 2;
// Posted to the parent for every other key pressed in a common control.
constexpr UINT WM_COMMON_KEY = WM_USER + 3;

// What the form controls add to the framework's controls: every key pressed in them is
// reported to the parent window, after the control's own handling.
class CCommonControl
{
public:
    virtual ~CCommonControl() = default;
    virtual void ForwardKey(UINT key, CWnd* parent);
};

// A framework control whose key-down gets the default processing first and then goes to
// ForwardKey with the control's parent.
template <class Control>
class CCommonKeys : public Control, public CCommonControl
{
public:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override
    {
        Control::OnKeyDown(key, repeat, flags);
        ForwardKey(key, this->GetParent());
    }
};
