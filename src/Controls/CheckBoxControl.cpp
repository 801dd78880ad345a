#include "CheckBoxControl.h"

#include "Brush.h"
#include "Dc.h"
#include "OwnerDraw.h"

#include <utility>

namespace {
constexpr char16_t kChecked[] = u"checked";
constexpr char16_t kUnchecked[] = u"unchecked";
}

CCheckBoxControl::CCheckBoxControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
}

BOOL CCheckBoxControl::Create(int x, int y, int width, int height, int style, const std::u16string& caption,
    CWnd* parent, UINT id)
{
    if (!CButton::Create(caption, static_cast<DWORD>(style) | WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
            CRect(x, y, x + width, y + height), parent, id))
        return FALSE;
    FinishCreate();
    return TRUE;
}

void CCheckBoxControl::SetValue(const std::u16string& value)
{
    m_value = value;
    if (IsCreated())
        Invalidate();
}

void CCheckBoxControl::Toggle()
{
    SetValue(m_value == kChecked ? kUnchecked : kChecked);
    NotifyChanged();
}

void CCheckBoxControl::OnLButtonDown(UINT, CPoint)
{
    CWnd::SetFocus();
    Toggle();
}

void CCheckBoxControl::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_SPACE)
        Toggle();
    CCommonButton::OnKeyDown(key, repeat, flags);
}

void CCheckBoxControl::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC* dc = item->hDC;
    CRect rect(item->rcItem);
    dc->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    CFont* oldFont = dc->SelectObject(Font());
    TEXTMETRIC metrics {};
    dc->GetTextMetrics(&metrics);
    const int size = metrics.tmHeight;
    CRect box(rect.left, rect.top + (rect.Height() - size) / 2, rect.left + size, rect.top + (rect.Height() - size) / 2 + size);
    dc->DrawFrameControl(&box, DFC_BUTTON, DFCS_BUTTONCHECK | (m_value == kChecked ? DFCS_CHECKED : 0));
    CRect text(rect.left + size + 5, rect.top, rect.right, rect.bottom);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(GetWindowText(), &text, DT_SINGLELINE | DT_VCENTER);
    dc->SelectObject(oldFont);
}
