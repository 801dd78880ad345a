#include "JournalTreeView.h"

#include "Cursor.h"
#include "DueTasksDialog.h"
#include "ExportCommand.h"
#include "IJournalComponent.h"
#include "JournalHandlers.h"
#include "JournalPrint.h"
#include "JournalToolbar.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Registry.h"
#include "Tr.h"
#include "ViewSetting.h"

namespace {
constexpr int kDueWidth = 160;

// Right of the tabs, in their strip.
CRect DuePlace(int width)
{
    return { width - kDueWidth - 4, kJournalToolbarHeight + 1, width - 4, kJournalToolbarHeight + kTabStripHeight - 1 };
}

constexpr DWORD kTreeStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
constexpr int kPageTop = kJournalToolbarHeight + kTabStripHeight;

// The screen point under the left edge of the bar's button of the command, where its menu opens;
// the pointer's place when the command came from elsewhere.
POINT UnderButton(CWnd* sender, WPARAM command)
{
    CPoint point;
    GetCursorPos(&point);
    auto* bar = dynamic_cast<CToolBar*>(sender);
    for (int index = 0; bar && index < bar->GetCount(); ++index) {
        if (bar->GetItemID(index) != command)
            continue;
        CRect button;
        bar->GetItemRect(index, &button);
        point = CPoint(button.left, button.bottom);
        bar->ClientToScreen(&point);
    }
    return point;
}
}

CJournalTreeView::CJournalTreeView(IJournalComponent& journal, const std::vector<PageFactory>& pages)
    : CJournalView(m_style)
    , m_journal(journal)
    , m_filter([this](UINT key) { LeaveFilter(key); })
    , m_pages(&m_state, journal, pages)
{
}

CJournalTreeView::~CJournalTreeView() = default;

void CJournalTreeView::Create(CWnd* parent)
{
    CJournalView::Create(parent);
    CRect client;
    parent->GetClientRect(&client);
    m_width = client.Width();
    m_height = client.Height();
    m_tabs.Create(WS_CHILD | WS_VISIBLE,
        CRect(kNavigationTreeWidth, kJournalToolbarHeight, m_width, kPageTop), parent, IdTabControl);
    m_due.Create(u"", WS_CHILD | BS_PUSHBUTTON, DuePlace(m_width), parent, IdDueButton);
    m_due.Refresh();
    m_page = m_pages.Find(0, NodeNone, ActionShowList);
    m_page->Create(parent);
    m_hideEnded.Create(Tr(StringId::HideEndedColonies), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
        CRect(4, kJournalToolbarHeight, kNavigationTreeWidth, kJournalToolbarHeight + kTreeFilterHeight), parent,
        IdHideEnded);
    const bool hide = ReadRegistryString(kHideEndedColoniesSetting, kJournalWindowKey) == kChecked;
    m_hideEnded.SetCheck(hide ? BST_CHECKED : BST_UNCHECKED);
    m_tree.SetHideEnded(hide);
    m_tree.Create(kTreeStyle, CRect(0, kJournalToolbarHeight + kTreeFilterHeight, kNavigationTreeWidth, m_height),
        parent, IdNavigationTree);
    m_tree.Fill();
}

LRESULT CJournalTreeView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == CJournalToolbar::IdPrint)
        PrintJournalPage(m_page, Parent());
    switch (message) {
    case WM_SIZE:
        Layout(LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_SETFOCUS:
        if (m_page)
            m_page->Focus();
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const bool tabChanged = header->idFrom == IdTabControl && header->code == TCN_SELCHANGE;
        const bool nodeChanged = header->idFrom == IdNavigationTree && header->code == TVN_SELCHANGED;
        if (tabChanged || nodeChanged)
            OnSelectionChanged();
        else if (header->idFrom == IdNavigationTree && header->code == TVN_ENDLABELEDIT)
            OnNewName(*reinterpret_cast<const NMTVDISPINFO*>(lParam));
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IdDueButton && HIWORD(wParam) == BN_CLICKED)
            CDueTasksDialog(Parent()).DoModal();
        else if (wParam == IdFindInTree)
            OpenFilter();
        else if (LOWORD(wParam) == IdHideEnded && HIWORD(wParam) == BN_CLICKED)
            OnHideEnded();
        else if (LOWORD(wParam) == IdTreeFilter && HIWORD(wParam) == EN_CHANGE)
            m_tree.SetFilter(m_filter.GetWindowText());
        else if (wParam == CJournalToolbar::IdCharts)
            ShowChartsTab();
        else if (wParam == CJournalToolbar::IdExport)
            CExportCommand(Parent(), m_page, m_state.page, m_state.page == PageInspections ? m_state.recordId : 0)
                .Run(UnderButton(reinterpret_cast<CWnd*>(lParam), wParam));
        return 0;
    case JournalActionMessage:
        return OnAction(static_cast<int>(wParam), static_cast<std::int32_t>(lParam)) ? 1 : 0;
    default:
        return CJournalView::OnMessage(message, wParam, lParam);
    }
}

void CJournalTreeView::Layout(int width, int height)
{
    m_width = width;
    m_height = height;
    if (m_tabs.IsCreated())
        m_tabs.MoveWindow(kNavigationTreeWidth, kJournalToolbarHeight, width - kNavigationTreeWidth, kTabStripHeight);
    const int filterHeight = m_filter.IsCreated() && m_filter.IsWindowVisible() ? kTreeFilterHeight : 0;
    if (filterHeight)
        m_filter.MoveWindow(0, kJournalToolbarHeight, kNavigationTreeWidth, filterHeight);
    if (m_hideEnded.IsCreated())
        m_hideEnded.MoveWindow(4, kJournalToolbarHeight + filterHeight, kNavigationTreeWidth - 4, kTreeFilterHeight);
    const int treeTop = kJournalToolbarHeight + filterHeight + kTreeFilterHeight;
    if (m_tree.IsCreated())
        m_tree.MoveWindow(0, treeTop, kNavigationTreeWidth, height - treeTop);
    if (m_page)
        m_page->Move(kNavigationTreeWidth, kPageTop, width - kNavigationTreeWidth, height - kPageTop);
    if (m_due.IsCreated()) {
        const CRect due = DuePlace(width);
        m_due.MoveWindow(due.left, due.top, due.Width(), due.Height());
    }
}

void CJournalTreeView::SwitchPage(int tab, int kind, int action)
{
    if (m_page)
        m_page->Destroy();
    m_page = m_pages.Find(tab, kind, action);
    m_page->Create(Parent());
    m_page->Focus();
}

void CJournalTreeView::OnSelectionChanged()
{
    const CNavigationWin::Node node = m_tree.SelectedNode();
    m_state.recordId = node.id;
    // An open form stays open; it only learns the node. On the charts tab the winter losses stay
    // while a site or none is selected, and the mite counts stay whatever is selected.
    const int tab = m_tabs.GetCurSel();
    int action = ActionShowList;
    if (tab == kChartsTab && m_state.page == PageWinterLosses && node.kind != NodeColony)
        action = ActionShowWinterLosses;
    if (tab == kChartsTab && (m_state.page == PageColonyVarroa || m_state.page == PageVarroaStanding))
        action = ActionShowVarroa;
    if (FollowsTree(m_state.page))
        SwitchPage(tab, node.kind, action);
}

void CJournalTreeView::ShowChartsTab()
{
    if (!m_tabs.IsCreated())
        return;
    m_tabs.SetCurSel(kChartsTab);
    OnSelectionChanged();
}

bool CJournalTreeView::OnAction(int action, std::int32_t id)
{
    switch (action) {
    case ActionDeleteSite:
    case ActionDeleteColony: {
        const bool deleted = action == ActionDeleteSite ? m_journal.DeletePoint(id) : m_journal.DeleteFamily(id);
        // The rebuilt tree lost its selection; a list of what is gone must not stay open to add to.
        if (deleted)
            OnSelectionChanged();
        return deleted;
    }
    case ActionDeleteInspection:
        return m_journal.DeleteInspect(id);
    case ActionDeleteQueen:
        GetJournalHandlers()->queens.Delete(id);
        return GetQueenBeeCache()->FindQueenBee(id) == nullptr;
    case ActionShowColony:
        // The colony shows even when the tree's filter hides it.
        m_tree.SelectNode({ id, NodeColony });
        m_state.recordId = id;
        SwitchPage(m_tabs.GetCurSel(), NodeColony, ActionShowList);
        return true;
    default:
        break;
    }
    // "Save and next colony" opens a form of a colony the tree does not show selected yet.
    if (action == ActionAddInspection && m_tree.SelectedNode().id != id)
        m_tree.SelectNode({ id, NodeColony });
    const CNavigationWin::Node node = m_tree.SelectedNode();
    m_state.recordId = action == ActionShowList ? node.id : id;
    SwitchPage(m_tabs.GetCurSel(), node.kind, action);
    return false;
}

void CJournalTreeView::OnNewName(const NMTVDISPINFO& info)
{
    if (!info.item.pszText)
        return;
    const std::u16string name = info.item.pszText;
    if (IsBlank(name) || name == m_tree.GetItemText(info.item.hItem))
        return;
    const CNavigationWin::Node node = m_tree.NodeOf(info.item.hItem);
    m_tree.SetItemText(info.item.hItem, name);
    if (node.kind == NodeSite)
        m_journal.RenamePoint(node.id, name);
    else if (node.kind == NodeColony)
        m_journal.RenameFamily(node.id, name);
}

void CJournalTreeView::OpenFilter()
{
    if (!m_filter.IsCreated()) {
        m_filter.Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), Parent(), IdTreeFilter);
        m_filter.SetCueBanner(Tr(StringId::TreeFilterHint));
    }
    m_filter.ShowWindow(SW_SHOW);
    Layout(m_width, m_height);
    m_filter.SetFocus();
    m_filter.SetSel(0, -1);
}

void CJournalTreeView::OnHideEnded()
{
    const bool hide = m_hideEnded.GetCheck() == BST_CHECKED;
    WriteRegistryString(hide ? kChecked : kUnchecked, kJournalWindowKey, kHideEndedColoniesSetting);
    m_tree.SetHideEnded(hide);
}

void CJournalTreeView::LeaveFilter(UINT key)
{
    if (key == VK_ESCAPE) {
        m_filter.SetWindowText(u"");
        m_tree.SetFilter(u"");
        m_filter.ShowWindow(SW_HIDE);
        Layout(m_width, m_height);
    } else if (m_tree.SelectedNode().kind == NodeNone) {
        for (HTREEITEM site = m_tree.GetRootItem(); site; site = m_tree.GetNextSiblingItem(site)) {
            if (const HTREEITEM colony = m_tree.GetChildItem(site)) {
                m_tree.SelectItem(colony);
                break;
            }
        }
    }
    m_tree.SetFocus();
}
