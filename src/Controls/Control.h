#pragma once

#include "ControlEntry.h"
#include "IControl.h"
#include "ToolTipCtrl.h"

#include <memory>

class CFont;

// What every form control shares: its name, value and properties, its font and the tooltip
// that shows a refused value's rule. The concrete controls list it first among their bases, so that
// their window goes before the font it uses.
class CControl : public IControl
{
public:
    CControl(std::u16string name, std::u16string value, ControlProperties properties);
    ~CControl() override;

    std::u16string GetName() override { return m_name; }
    std::u16string GetValue() override { return m_value; }
    bool Validate() override;
    std::u16string GetRuleDescribe() override;
    bool IsEnabled() override { return false; }
    void SetFocus() override {}
    void OnNotification(UINT) override {}

protected:
    // The values of every property of the key, in order.
    std::vector<std::u16string> PropertyValues(const std::u16string& key) const;
    // After the window exists: font, tooltip, and the value shown.
    void FinishCreate();
    // WM_CONTROL_CHANGED, then WM_CONTROL_REREAD per "dependents".
    void NotifyChanged();
    CFont* Font() const { return m_font.get(); }
    const ControlProperties& Properties() const { return m_properties; }

    std::u16string m_value;

private:
    std::u16string m_name;
    ControlProperties m_properties;
    std::unique_ptr<CFont> m_font;
    CToolTipCtrl m_toolTip;
};
