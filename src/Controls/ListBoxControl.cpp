#include "ListBoxControl.h"

#include "ListValue.h"

#include <utility>

CListBoxControl::CListBoxControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
}

BOOL CListBoxControl::Create(int x, int y, int width, int height, int style, const std::u16string&, CWnd* parent,
    UINT id)
{
    if (!CListBox::Create(static_cast<DWORD>(style) | WS_CHILD | WS_VISIBLE, CRect(x, y, x + width, y + height), parent,
            id))
        return FALSE;
    const bool announce = m_value.empty();
    if (announce)
        m_value = ListValue::FromListStrings(PropertyValues(u"ListString")).Format();
    FinishCreate();
    if (announce)
        NotifyChanged();
    return TRUE;
}

void CListBoxControl::SetValue(const std::u16string& value)
{
    m_value = value;
    if (!IsCreated())
        return;
    ResetContent();
    const ListValue list = ListValue::Parse(value);
    int selected = LB_ERR;
    for (const ListValue::Item& item : list.items) {
        if (item.mark == kMarkDelete)
            continue;
        const int index = AddString(item.name);
        SetItemData(index, static_cast<std::uintptr_t>(item.number));
        if (!list.current.empty() && item.name == list.current)
            selected = index;
    }
    SetCurSel(selected);
}

void CListBoxControl::Select(int index)
{
    ListValue list = ListValue::Parse(m_value);
    std::u16string name;
    if (index >= 0 && index < GetCount())
        GetText(index, name);
    list.current = name;
    SetCurSel(name.empty() ? LB_ERR : index);
    m_value = list.Format();
    NotifyChanged();
}

void CListBoxControl::SelectAt(CPoint point)
{
    CWnd::SetFocus();
    BOOL outside = FALSE;
    const UINT index = ItemFromPoint(point, outside);
    Select(outside ? LB_ERR : static_cast<int>(index));
}

void CListBoxControl::OnLButtonDown(UINT, CPoint point)
{
    SelectAt(point);
}

void CListBoxControl::OnRButtonDown(UINT, CPoint point)
{
    SelectAt(point);
}

void CListBoxControl::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_UP || key == VK_DOWN) {
        const int current = GetCurSel();
        const int next = current < 0 ? 0 : current + (key == VK_UP ? -1 : 1);
        if (next >= 0 && next < GetCount())
            Select(next);
        ForwardKey(key, GetParent());
        return;
    }
    CCommonListBox::OnKeyDown(key, repeat, flags);
}
