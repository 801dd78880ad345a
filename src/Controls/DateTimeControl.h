#pragma once

#include "CommonDateTimeCtrl.h"
#include "Control.h"

// A date picker whose value is the day as "%d.%m.%Y" in local time.
class CDateTimeControl : public CControl, public CCommonDateTimeCtrl
{
public:
    CDateTimeControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    bool IsEnabled() override { return IsWindowEnabled() != FALSE; }
    void SetFocus() override { CWnd::SetFocus(); }
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }
    void OnNotification(UINT code) override;

private:
    void ReadPicker();
};
