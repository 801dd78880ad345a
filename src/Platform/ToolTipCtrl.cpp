#include "ToolTipCtrl.h"

#include "NativeWindow.h"
#include "QtBridge.h"

BOOL CToolTipCtrl::Create(CWnd*, DWORD)
{
    m_created = true;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, const std::u16string& text)
{
    if (!m_created || !tool)
        return FALSE;
    m_tools.push_back({ tool, text });
    Apply();
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(const std::u16string& text, CWnd* tool)
{
    for (Tool& registered : m_tools) {
        if (registered.window == tool)
            registered.text = text;
    }
    Apply();
}

void CToolTipCtrl::Activate(BOOL activate)
{
    m_active = activate != FALSE;
    Apply();
}

BOOL CToolTipCtrl::SetTitle(int icon, const std::u16string& title)
{
    m_icon = icon;
    m_title = title;
    Apply();
    return TRUE;
}

std::u16string CToolTipCtrl::ShownText(CWnd* tool) const
{
    const QWidget* widget = WidgetOf(tool);
    return widget ? FromQString(widget->toolTip()) : std::u16string();
}

LRESULT CToolTipCtrl::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TTM_ACTIVATE)
        Activate(wParam != 0);
    else if (message == TTM_SETTITLE)
        SetTitle(static_cast<int>(wParam), lParam ? std::u16string(reinterpret_cast<const char16_t*>(lParam)) : u"");
    return 0;
}

void CToolTipCtrl::Apply()
{
    static const char16_t* const marks[] = { u"", u"\u2139 ", u"\u26A0 ", u"\u26D4 " };
    std::u16string shown;
    if (m_active) {
        if (!m_title.empty())
            shown = marks[m_icon >= 0 && m_icon <= 3 ? m_icon : 0] + m_title;
    }
    for (const Tool& tool : m_tools) {
        if (QWidget* widget = WidgetOf(tool.window)) {
            std::u16string text = shown;
            if (m_active && !tool.text.empty())
                text += (text.empty() ? u"" : u"\n") + tool.text;
            widget->setToolTip(ToQString(text));
        }
    }
}
