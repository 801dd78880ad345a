#include "Control.h"

#include "FontHelper.h"
#include "MatchPattern.h"
#include "Wnd.h"

#include <utility>

CControl::CControl(std::u16string name, std::u16string value, ControlProperties properties)
    : m_value(std::move(value))
    , m_name(std::move(name))
    , m_properties(std::move(properties))
    , m_font(CreateFontHelper(false, u"MS Sans Serif", 14, false, false))
{
}

CControl::~CControl() = default;

std::vector<std::u16string> CControl::PropertyValues(const std::u16string& key) const
{
    std::vector<std::u16string> values;
    for (const auto& [name, value] : m_properties)
        if (name == key)
            values.push_back(value);
    return values;
}

std::u16string CControl::GetRuleDescribe()
{
    const std::vector<std::u16string> rules = PropertyValues(u"rule_describe");
    return rules.empty() ? std::u16string() : rules.front();
}

bool CControl::Validate()
{
    const std::vector<std::u16string> patterns = PropertyValues(u"regex");
    if (patterns.empty() || MatchPattern(patterns.front(), m_value)) {
        m_toolTip.Activate(FALSE);
        return true;
    }
    if (!GetRuleDescribe().empty()) {
        m_toolTip.SetTitle(TTI_INFO, GetRuleDescribe());
        m_toolTip.Activate(TRUE);
    }
    return false;
}

void CControl::FinishCreate()
{
    Window().SetFont(m_font.get());
    // Registered as its own tool, the control shows the rule of a refused value when hovered.
    m_toolTip.Create(&Window());
    m_toolTip.AddTool(&Window());
    m_toolTip.Activate(FALSE);
    SetValue(m_value);
}

void CControl::NotifyChanged()
{
    CWnd* parent = Window().GetParent();
    if (!parent)
        return;
    const std::u16string name = m_name;
    const std::u16string value = m_value;
    parent->SendMessage(WM_CONTROL_CHANGED, reinterpret_cast<WPARAM>(&name), reinterpret_cast<LPARAM>(&value));
    for (const std::u16string& dependent : PropertyValues(u"dependents"))
        parent->SendMessage(WM_CONTROL_REREAD, 0, reinterpret_cast<LPARAM>(&dependent));
}
