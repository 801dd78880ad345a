#include "ButtonControl.h"

#include <utility>

namespace {
constexpr char16_t kUp[] = u"button_up";
constexpr char16_t kDown[] = u"button_down";
constexpr char16_t kDisable[] = u"button_disable";
}

CButtonControl::CButtonControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
}

BOOL CButtonControl::Create(int x, int y, int width, int height, int style, const std::u16string& caption,
    CWnd* parent, UINT id)
{
    if (!CButton::Create(caption, static_cast<DWORD>(style) | WS_CHILD | WS_VISIBLE, CRect(x, y, x + width, y + height),
            parent, id))
        return FALSE;
    FinishCreate();
    return TRUE;
}

void CButtonControl::SetValue(const std::u16string& value)
{
    if (value != kUp && value != kDown && value != kDisable)
        return;
    m_value = value;
    if (!IsCreated())
        return;
    EnableWindow(value != kDisable);
    SetState(value == kDown);
}

void CButtonControl::Change(const std::u16string& value)
{
    SetValue(value);
    NotifyChanged();
}

void CButtonControl::OnLButtonDown(UINT, CPoint)
{
    SetCapture();
    Change(kDown);
}

void CButtonControl::OnMouseMove(UINT flags, CPoint point)
{
    // A press the page answered by disabling the button is over.
    if (!(flags & MK_LBUTTON) || GetCapture() != this || m_value == kDisable)
        return;
    CRect client;
    GetClientRect(&client);
    Change(client.PtInRect(point) ? kDown : kUp);
}

void CButtonControl::OnCaptureChanged(CWnd*)
{
    if (m_value == kDown)
        Change(kUp);
}

void CButtonControl::OnLButtonUp(UINT, CPoint)
{
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_value == kDown)
        Change(kUp);
}
