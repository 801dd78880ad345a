#include "Menu.h"

#include "NativeWindow.h"
#include "QtBridge.h"

#include <QAction>
#include <QMenu>

namespace {
MenuResponder* g_menuResponder = nullptr;
}

BOOL CMenu::CreatePopupMenu()
{
    m_items.clear();
    m_created = true;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const std::u16string& text)
{
    if (!m_created)
        return FALSE;
    m_items.push_back({ flags, id, text });
    return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    if (!m_created)
        return FALSE;
    // The menu takes the mouse for itself.
    ReleaseCapture();
    UINT chosen = 0;
    if (MenuResponder* responder = MenuResponder::Current()) {
        chosen = responder->Respond(*this, POINT { x, y });
    } else {
        QMenu menu(WidgetOf(owner));
        for (const Item& item : m_items) {
            if (item.flags & MF_SEPARATOR) {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(ToQString(item.text));
            action->setData(item.id);
            action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
            action->setCheckable(item.flags & MF_CHECKED);
            action->setChecked(item.flags & MF_CHECKED);
        }
        if (QAction* action = menu.exec(QPoint(x, y)))
            chosen = action->data().toUInt();
    }
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen != 0 && owner)
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return chosen != 0 ? TRUE : FALSE;
}

MenuResponder::MenuResponder()
    : m_previous(g_menuResponder)
{
    g_menuResponder = this;
}

MenuResponder::~MenuResponder()
{
    g_menuResponder = m_previous;
}

MenuResponder* MenuResponder::Current()
{
    return g_menuResponder;
}

UINT MenuResponder::Respond(const CMenu& menu, POINT point)
{
    m_calls.push_back({ menu.Items(), point });
    if (m_choices.empty())
        return 0;
    const UINT choice = m_choices.front();
    m_choices.erase(m_choices.begin());
    return choice;
}
