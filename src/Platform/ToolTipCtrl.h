#pragma once

#include "Wnd.h"

constexpr UINT TTM_ACTIVATE = WM_USER + 1;
constexpr UINT TTM_SETTITLE = WM_USER + 33;
constexpr int TTI_NONE = 0;
constexpr int TTI_INFO = 1;
constexpr int TTI_WARNING = 2;
constexpr int TTI_ERROR = 3;

// A tooltip for the windows registered as its tools: while active, hovering a tool shows the
// title (with its icon) above the tool's text.
class CToolTipCtrl
{
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* tool, const std::u16string& text = std::u16string());
    // Replaces the text of the tool's every registration; empty shows nothing but the title.
    void UpdateTipText(const std::u16string& text, CWnd* tool);
    void Activate(BOOL activate);
    BOOL SetTitle(int icon, const std::u16string& title);
    // What hovering the tool shows now (empty while inactive).
    std::u16string ShownText(CWnd* tool) const;
    // The desktop's messages: TTM_ACTIVATE (wParam) and TTM_SETTITLE (icon, text).
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Apply();

    struct Tool
    {
        CWnd* window;
        std::u16string text;
    };
    bool m_created = false;
    bool m_active = true;
    int m_icon = TTI_NONE;
    std::u16string m_title;
    std::vector<Tool> m_tools;
};
