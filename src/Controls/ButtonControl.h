#pragma once

#include "CommonButton.h"
#include "Control.h"

// A push button whose value is its state: "button_up", "button_down" (pressed) or
// "button_disable"; every change the mouse makes is announced.
class CButtonControl : public CControl, public CCommonButton
{
public:
    CButtonControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    bool IsEnabled() override { return IsWindowEnabled() != FALSE; }
    void SetFocus() override { CWnd::SetFocus(); }
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }

    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    // A press the button no longer follows (a dialog it opened took the mouse) is over.
    void OnCaptureChanged(CWnd* gaining) override;

private:
    void Change(const std::u16string& value);
};
