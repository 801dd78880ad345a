#include "ComboBoxControl.h"

#include <utility>

CComboBoxControl::CComboBoxControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
}

BOOL CComboBoxControl::Create(int x, int y, int width, int height, int style, const std::u16string&, CWnd* parent,
    UINT id)
{
    m_style = style;
    if (!CComboBox::Create(static_cast<DWORD>(style) | WS_CHILD | WS_VISIBLE, CRect(x, y, x + width, y + height), parent,
            id))
        return FALSE;
    for (const std::u16string& entry : PropertyValues(u"ComboString"))
        AddString(entry);
    FinishCreate();
    return TRUE;
}

void CComboBoxControl::SetValue(const std::u16string& value)
{
    m_value = value;
    if (!IsCreated())
        return;
    if (IsDropDownList())
        SetCurSel(FindStringExact(-1, value));
    else
        SetWindowText(value);
}

void CComboBoxControl::OnNotification(UINT code)
{
    if (code == CBN_SELCHANGE && GetCurSel() >= 0) {
        GetLBText(GetCurSel(), m_value);
    } else if (code == CBN_EDITCHANGE) {
        m_value = GetWindowText();
    } else {
        return;
    }
    NotifyChanged();
}
