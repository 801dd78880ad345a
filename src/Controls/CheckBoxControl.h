#pragma once

#include "CommonButton.h"
#include "Control.h"

// A check box drawn by itself; its value is "checked" or "unchecked". A click or Space toggles it.
class CCheckBoxControl : public CControl, public CCommonButton
{
public:
    CCheckBoxControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    bool IsEnabled() override { return IsWindowEnabled() != FALSE; }
    void SetFocus() override { CWnd::SetFocus(); }
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    void Toggle();
};
