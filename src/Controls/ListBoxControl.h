#pragma once

#include "CommonListBox.h"
#include "Control.h"

// A list whose value is a list value (ListValue.h): the selected item's name, then the items.
// Items marked "delete" are not shown. The user selects with a click or the Up and Down keys.
class CListBoxControl : public CControl, public CCommonListBox
{
public:
    CListBoxControl(std::u16string name, std::u16string value, ControlProperties properties);

    void SetValue(const std::u16string& value) override;
    bool IsEnabled() override { return IsWindowEnabled() != FALSE; }
    void SetFocus() override { CWnd::SetFocus(); }
    BOOL Create(int x, int y, int width, int height, int style, const std::u16string& caption, CWnd* parent,
        UINT id) override;
    CWnd& Window() override { return *this; }

    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    void SelectAt(CPoint point);
    void Select(int index);
};
