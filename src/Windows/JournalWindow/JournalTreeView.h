#pragma once

#include "Button.h"
#include "DueButton.h"
#include "JournalTabCtrl.h"
#include "JournalView.h"
#include "NavigationWin.h"
#include "PageRegistry.h"
#include "TreeFilterEdit.h"
#include "TreeStyle.h"

class IJournalComponent;
struct NMTVDISPINFO;

// The journal as a tree of sites and colonies on the left and, right of it, the tabs with the
// page that the tab, the selected node and the last action choose.
class CJournalTreeView : public CJournalView
{
public:
    CJournalTreeView(IJournalComponent& journal, const std::vector<PageFactory>& pages);
    ~CJournalTreeView() override;

    void Create(CWnd* parent) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    const JournalState& State() const { return m_state; }

private:
    void Layout(int width, int height);
    // Destroys the current page and shows the one that accepts, with the focus.
    void SwitchPage(int tab, int kind, int action);
    void OnSelectionChanged();
    // The toolbar's charts button: the charts tab, as if its tab were clicked.
    void ShowChartsTab();
    // True for a delete that went through.
    bool OnAction(int action, std::int32_t id);
    void OnNewName(const NMTVDISPINFO& info);
    // Shows the filter box above the tree with the focus and its text selected.
    void OpenFilter();
    // Escape closes the box and shows the whole tree; Down and Enter go into the narrowed tree,
    // selecting its first colony when nothing shown is selected.
    void LeaveFilter(UINT key);
    // The check box's choice, kept in the settings store for the next opening.
    void OnHideEnded();

    CTreeStyle m_style;
    IJournalComponent& m_journal;
    JournalState m_state;
    CJournalTabCtrl m_tabs;
    CNavigationWin m_tree;
    CTreeFilterEdit m_filter;
    CButton m_hideEnded;
    CDueButton m_due;
    CPageRegistry m_pages;
    IViewJournal* m_page = nullptr;
    int m_width = 0;
    int m_height = 0;
};
