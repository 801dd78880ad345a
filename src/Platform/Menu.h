#pragma once

#include "Wnd.h"

#include <memory>
#include <string>
#include <vector>

// A pop-up menu. TrackPopupMenu shows it at a screen point (ending any capture); the chosen
// entry's command is posted to the owner as WM_COMMAND, so it arrives after TrackPopupMenu has
// returned (with TPM_RETURNCMD it is returned instead and nothing is posted). While a
// MenuResponder is installed the menu does not appear: the responder chooses.
class CMenu
{
public:
    struct Item
    {
        UINT flags;
        UINT id;
        std::u16string text;
    };

    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT flags, UINT id = 0, const std::u16string& text = std::u16string());
    const std::vector<Item>& Items() const { return m_items; }
    // Returns the chosen command with TPM_RETURNCMD (0 when none), else whether one was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

private:
    bool m_created = false;
    std::vector<Item> m_items;
};

// Answers pop-up menus in tests: records each menu and chooses the scripted commands in order
// (0, nothing chosen, when none are left).
class MenuResponder
{
public:
    struct Call
    {
        std::vector<CMenu::Item> items;
        POINT point;
    };

    MenuResponder();
    ~MenuResponder();
    MenuResponder(const MenuResponder&) = delete;
    MenuResponder& operator=(const MenuResponder&) = delete;

    void Choose(UINT command) { m_choices.push_back(command); }
    const std::vector<Call>& Calls() const { return m_calls; }

    static MenuResponder* Current();
    UINT Respond(const CMenu& menu, POINT point);

private:
    std::vector<UINT> m_choices;
    std::vector<Call> m_calls;
    MenuResponder* m_previous;
};
