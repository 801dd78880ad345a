#include "Drawer.h"

#include "Wnd.h"

CDrawer::CDrawer(CWnd* owner)
    : m_owner(owner)
{
}

LRESULT CDrawer::SendToOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_owner ? m_owner->SendMessage(message, wParam, lParam) : 0;
}

BOOL CDrawer::PostToOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_owner ? m_owner->PostMessage(message, wParam, lParam) : FALSE;
}
