#include "WndImpl.h"

#include "Wnd.h"

LRESULT CWndImpl::SendMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_window.IsCreated() ? m_window.SendMessage(message, wParam, lParam) : 0;
}

bool CWndImpl::PostMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_window.IsCreated() && m_window.PostMessage(message, wParam, lParam);
}

void CWndImpl::Redraw()
{
    if (m_window.IsCreated())
        m_window.Invalidate(TRUE);
}

bool CWndImpl::IsCreated()
{
    return m_window.IsCreated();
}

int CWndImpl::GetId()
{
    return m_window.IsCreated() ? m_window.GetDlgCtrlID() : 0;
}

void CWndImpl::Move(int x, int y, int width, int height)
{
    if (m_window.IsCreated())
        m_window.MoveWindow(x, y, width, height, TRUE);
}

void CWndImpl::Focus()
{
    if (m_window.IsCreated())
        m_window.SetFocus();
}
