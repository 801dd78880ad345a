#pragma once

#include "CommonCombobox.h"
#include "Control.h"

// A drop-down of the "ComboString" entries; its value is the chosen (or typed) text.
class CComboBoxControl : public CControl, public CCommonCombobox
{
public:
    CComboBoxControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    bool IsEnabled() override { return IsWindowEnabled() != FALSE; }
    void SetFocus() override { CWnd::SetFocus(); }
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }
    void OnNotification(UINT code) override;

private:
    bool IsDropDownList() const { return (m_style & 3) == CBS_DROPDOWNLIST; }

    int m_style = 0;
};
