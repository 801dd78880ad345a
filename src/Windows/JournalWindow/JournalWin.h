#pragma once

#include "JournalToolbar.h"
#include "Wnd.h"
#include "WndImpl.h"

class IJournalComponent;
class IJournalView;

// The journal's working window: the toolbar across the top and the journal view below it, which
// sees every message of the window before the window handles it.
class CJournalWin : public CWnd, public CWndImpl
{
public:
    explicit CJournalWin(IJournalComponent& journal);

    // The overlapped, visible frame at (0, 0), 1000 x 700, titled with the journal's name.
    BOOL CreateFrame();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Wherever the focus is in the window, Ctrl+F opens the tree's filter and Ctrl+P prints the page.
    bool OnShortcut(UINT key) override;

private:
    // The view the journal settings name, else the first one.
    IJournalView* ChosenView();

    IJournalComponent& m_journal;
    IJournalView* m_view = nullptr;
    CJournalToolbar m_toolbar;
};
