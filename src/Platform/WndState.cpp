#include "Wnd.h"

#include "Font.h"
#include "NativeWindow.h"
#include "QtBridge.h"

#include <QApplication>

#include <algorithm>

BOOL CWnd::ShowWindow(int command)
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return FALSE;
    const BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE: widget->hide(); break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED: widget->showMinimized(); break;
    case SW_SHOWMAXIMIZED: widget->showMaximized(); break;
    case SW_RESTORE:
    case SW_SHOWNORMAL: widget->isWindow() ? widget->showNormal() : widget->show(); break;
    default: widget->show(); break;
    }
    if (m_native) {
        if (widget->isVisible())
            m_native->style |= WS_VISIBLE;
        else
            m_native->style &= ~WS_VISIBLE;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    const QWidget* widget = WidgetOf(this);
    return widget && widget->isVisible() ? TRUE : FALSE;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return FALSE;
    const BOOL wasDisabled = widget->isEnabled() ? FALSE : TRUE;
    widget->setEnabled(enable != FALSE);
    if (enable)
        m_native->style &= ~WS_DISABLED;
    else
        m_native->style |= WS_DISABLED;
    SendMessage(WM_ENABLE, enable ? TRUE : FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    const QWidget* widget = WidgetOf(this);
    return widget && widget->isEnabled() ? TRUE : FALSE;
}

BOOL CWnd::IsIconic() const
{
    const QWidget* widget = WidgetOf(this);
    return widget && widget->isMinimized() ? TRUE : FALSE;
}

void CWnd::SetWindowText(const std::u16string& text)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::u16string CWnd::GetWindowText() const
{
    auto* self = const_cast<CWnd*>(this);
    const auto length = static_cast<std::size_t>(self->SendMessage(WM_GETTEXTLENGTH));
    std::u16string text(length + 1, u'\0');
    const auto copied = static_cast<std::size_t>(self->SendMessage(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

int CWnd::GetWindowTextLength() const
{
    return static_cast<int>(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH));
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

CFont* CWnd::GetFont() const
{
    return reinterpret_cast<CFont*>(const_cast<CWnd*>(this)->SendMessage(WM_GETFONT));
}

DWORD CWnd::GetStyle() const
{
    return m_native ? m_native->style : 0;
}

int CWnd::GetDlgCtrlID() const
{
    return m_native ? m_native->id : 0;
}

std::u16string CWnd::GetClassName() const
{
    return m_native ? m_native->className : std::u16string();
}

CWnd* CWnd::GetParent() const
{
    return m_native ? m_native->parent : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_native)
        return nullptr;
    for (CWnd* child : m_native->children) {
        if (child->GetStyle() & WS_CHILD && child->GetDlgCtrlID() == id)
            return child;
    }
    return nullptr;
}

std::vector<CWnd*> CWnd::GetChildren() const
{
    return m_native ? m_native->children : std::vector<CWnd*>();
}

void CWnd::Invalidate(BOOL)
{
    if (QWidget* widget = ClientWidgetOf(this))
        widget->update();
}

void CWnd::UpdateWindow()
{
    if (QWidget* widget = ClientWidgetOf(this))
        widget->repaint();
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (QWidget* widget = WidgetOf(this)) {
        if (widget->isWindow()) {
            widget->raise();
            widget->activateWindow();
        }
        widget->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return WindowOrAncestor(QApplication::focusWidget());
}

BOOL CWnd::SetForegroundWindow()
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return FALSE;
    widget->window()->raise();
    widget->window()->activateWindow();
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    if (!m_native || !m_native->widget)
        return 0;
    KillTimer(id);
    const int timer = m_native->widget->startTimer(static_cast<int>(std::max<UINT>(elapse, 1)), Qt::PreciseTimer);
    if (timer == 0)
        return 0;
    m_native->timers[id] = timer;
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    if (!m_native)
        return FALSE;
    const auto found = m_native->timers.find(id);
    if (found == m_native->timers.end())
        return FALSE;
    if (m_native->widget)
        m_native->widget->killTimer(found->second);
    m_native->timers.erase(found);
    return TRUE;
}
