#pragma once

#include "WinMessages.h"

#include <string>

class CWnd;

// Sent to the parent when the user changed a control's value: wParam points at the control's
// name, lParam at its value (both std::u16string). WM_CONTROL_REREAD follows once per
// "dependents" property, lParam pointing at the name whose value the parent must show again.
constexpr UINT WM_CONTROL_CHANGED = WM_USER + 1;
constexpr UINT WM_CONTROL_REREAD = WM_USER + 4;

// A form control made from a page's control entry: a name and a value text.
class IControl
{
public:
    virtual ~IControl() = default;
    virtual std::u16string GetName() = 0;
    virtual void SetValue(const std::u16string& value) = 0;
    virtual std::u16string GetValue() = 0;
    // Whether the value matches the "regex" property; when not, the tooltip shows the rule.
    virtual bool Validate() = 0;
    virtual std::u16string GetRuleDescribe() = 0;
    // Whether the control takes the focus when the form moves it.
    virtual bool IsEnabled() = 0;
    virtual void SetFocus() = 0;
    virtual BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) = 0;
    virtual CWnd& Window() = 0;
    // A notification the control sent to its parent (WM_COMMAND code or WM_NOTIFY code), handed back.
    virtual void OnNotification(UINT code) = 0;
};
