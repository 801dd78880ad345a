#include "ButtonDraw.h"

#include "Dc.h"
#include "Drawer.h"
#include "KeyCommands.h"
#include "WinMessages.h"

CButtonDraw::CButtonDraw(const std::u16string& caption, int commandId, IDrawer* drawer)
    : CDrawControl(caption, nullptr)
    , m_commandId(commandId)
    , m_drawer(drawer)
{
    AddCommand(std::make_unique<CSpace>(this));
}

RECT CButtonDraw::ButtonRect() const
{
    const int middle = (m_rect.top + m_rect.bottom) / 2;
    return { m_rect.left, middle - 12, m_rect.right - 3, middle + 12 };
}

void CButtonDraw::DrawNormal(CDC* dc)
{
    RECT button = ButtonRect();
    dc->DrawFrameControl(&button, DFC_BUTTON, DFCS_BUTTONPUSH | (m_pressed ? DFCS_PUSHED : 0));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    dc->DrawText(m_text, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CButtonDraw::DrawFocused(CDC* dc)
{
    DrawNormal(dc);
    const int middle = (m_rect.top + m_rect.bottom) / 2;
    const RECT focus { m_rect.left + 2, middle - 10, m_rect.right - 6, middle + 9 };
    dc->DrawFocusRect(&focus);
}

void CButtonDraw::Notify()
{
    if (m_drawer)
        m_drawer->PostToOwner(DrawerNotifyMessage, static_cast<WPARAM>(m_commandId), 0);
}

bool CButtonDraw::OnKey(UINT key, UINT)
{
    if (key != VK_SPACE && key != VK_RETURN)
        return false;
    Notify();
    return true;
}

bool CButtonDraw::OnMouse(UINT message, int x, int y, UINT)
{
    const RECT button = ButtonRect();
    const bool inside = x >= button.left && x < button.right && y >= button.top && y < button.bottom;
    switch (message) {
    case WM_LBUTTONUP:
        if (!inside || !m_pressed)
            return false;
        m_pressed = false;
        Notify();
        return true;
    case WM_MOUSELEAVE:
        m_pressed = false;
        return true;
    case WM_MOUSEMOVE:
        if (inside || !m_pressed)
            return false;
        m_pressed = false;
        return true;
    case WM_LBUTTONDOWN:
        if (!inside)
            return false;
        m_pressed = true;
        return true;
    default:
        return false;
    }
}
