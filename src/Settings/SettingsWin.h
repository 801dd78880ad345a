#pragma once

#include "CommonButton.h"
#include "ContentSettings.h"
#include "TreeSettings.h"
#include "Wnd.h"
#include "WndImpl.h"

// The settings window: the page tree, the form of the selected page, and Apply, Close and
// Defaults for all pages together.
class CSettingsWin : public CWnd, public CWndImpl
{
public:
    CSettingsWin();

    // Visible, with a system menu and the settings caption, 700 x 500 where the desktop places it.
    BOOL CreateFrame();
    // Shows every text of the window, the selected page's form included, in the current language.
    void Retranslate();

    static constexpr UINT IdTree = 8193;
    static constexpr UINT IdContent = 8194;
    static constexpr UINT IdApply = 8195;
    static constexpr UINT IdClose = 8196;
    static constexpr UINT IdDefaults = 8197;
    static constexpr UINT IdAbout = 8198;

    int OnCreate(CREATESTRUCT* create) override;
    void OnClose() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateApplyButton();
    void Apply();
    void Close();
    void RestoreDefaults();
    // Tab moves on: tree, form, apply (while enabled), close, defaults, tree.
    void FocusAfter(CWnd* current);

    CTreeSettings m_tree;
    CContentSettings m_content;
    CCommonButton m_apply;
    CCommonButton m_close;
    CCommonButton m_defaults;
    CCommonButton m_about;
};
