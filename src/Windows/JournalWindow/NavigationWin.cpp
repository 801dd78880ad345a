#include "NavigationWin.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "ColonyEventCache.h"
#include "DeleteQuestion.h"
#include "JournalAction.h"
#include "KeyInput.h"
#include "Menu.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "TableRow.h"
#include "Text.h"
#include "Tr.h"
#include "VarroaThresholds.h"
#include "WndImpl.h"

#include <algorithm>
#include <vector>

namespace {
constexpr COLORREF kNoRecentCountColour = RGB(200, 200, 200);

struct MenuEntry
{
    std::int32_t textId;
    UINT command;
};

// Menu commands 1 to 8 and the actions they run.
constexpr int kActionOfCommand[] = { ActionShowList, ActionAddSite, ActionDeleteSite, ActionChangeSite,
    ActionAddColony, ActionChangeColony, ActionDeleteColony, ActionAddInspection, ActionAddQueen };

std::vector<MenuEntry> MenuOf(int kind)
{
    switch (kind) {
    case NodeSite:
        return { { StringId::AddFamily, 4 }, { StringId::ChangePoint, 3 }, { StringId::DeletePoint, 2 } };
    case NodeColony:
        return { { StringId::AddInspect, 7 }, { StringId::AddQueenBee, 8 }, { StringId::ChangeFamily, 5 },
            { StringId::DeleteFamily, 6 } };
    default:
        return { { StringId::AddPoint, 1 } };
    }
}

bool IsDelete(int action)
{
    return action == ActionDeleteSite || action == ActionDeleteColony;
}
}

CNavigationWin::CNavigationWin()
    : m_subscription(this, { EventPointsChanged, EventFamiliesChanged })
    , m_markSubscription(&m_markSubscriber, { EventCareChanged, EventMiteThresholdsChanged })
{
}

CNavigationWin::~CNavigationWin() = default;

void CNavigationWin::Fill()
{
    if (!IsCreated())
        return;
    ++m_fills;
    std::vector<Node> expanded;
    for (const auto& [item, node] : m_nodes) {
        if (IsExpanded(item))
            expanded.push_back(node);
    }
    const std::vector<Node> heirs = SelectionHeirs();
    const Node top = NodeOf(GetFirstVisibleItem());
    m_nodes.clear();
    DeleteAllItems();
    const CPointFamilyCache* cache = GetPointFamilyCache();
    const CColonyEventCache* events = GetColonyEventCache();
    for (const auto& [idPoint, point] : cache->Points()) {
        const bool siteShown = ContainsNoCase(point.name, m_filter);
        std::vector<std::int32_t> families = cache->FamiliesOf(idPoint);
        std::sort(families.begin(), families.end());
        std::vector<std::pair<std::int32_t, const CPointFamilyCache::Family*>> shown;
        for (std::int32_t idFamily : families) {
            const CPointFamilyCache::Family* family = cache->FindFamily(idFamily);
            if (m_hideEnded && events->HasEnded(idFamily))
                continue;
            if (family && (siteShown || ContainsNoCase(family->name, m_filter)))
                shown.emplace_back(idFamily, family);
        }
        if (!siteShown && shown.empty())
            continue;
        const HTREEITEM site = InsertItem(point.name);
        m_nodes[site] = { idPoint, NodeSite };
        for (const auto& [idFamily, family] : shown) {
            const HTREEITEM colony = InsertItem(family->name, site);
            m_nodes[colony] = { idFamily, NodeColony };
            if (events->HasEnded(idFamily))
                SetItemTextColor(colony, EndedTextColour);
        }
        if (!m_filter.empty())
            expanded.push_back({ idPoint, NodeSite });
    }
    MarkColonies();
    for (const Node& node : expanded)
        Expand(ItemOf(node), TVE_EXPAND);
    const auto heir = std::find_if(heirs.begin(), heirs.end(), [this](const Node& node) { return ItemOf(node); });
    if (heir != heirs.end())
        SelectItemQuietly(ItemOf(*heir));
    SetFirstVisibleItem(ItemOf(top));
}

void CNavigationWin::SetFilter(const std::u16string& text)
{
    if (text == m_filter)
        return;
    m_filter = text;
    Fill();
}

void CNavigationWin::SetHideEnded(bool hide)
{
    if (hide == m_hideEnded)
        return;
    m_hideEnded = hide;
    Fill();
}

HTREEITEM CNavigationWin::ItemOf(const Node& node) const
{
    const auto found = std::find_if(m_nodes.begin(), m_nodes.end(), [&node](const auto& entry) {
        return entry.second.id == node.id && entry.second.kind == node.kind;
    });
    return found == m_nodes.end() ? nullptr : found->first;
}

std::vector<CNavigationWin::Node> CNavigationWin::SelectionHeirs() const
{
    const HTREEITEM selected = GetSelectedItem();
    if (!selected)
        return {};
    std::vector<Node> heirs { NodeOf(selected) };
    const HTREEITEM parent = GetParentItem(selected);
    if (parent)
        heirs.push_back(NodeOf(parent));
    HTREEITEM previous = nullptr;
    for (HTREEITEM sibling = GetChildItem(parent); sibling; sibling = GetNextSiblingItem(sibling)) {
        if (sibling == selected) {
            if (const HTREEITEM next = GetNextSiblingItem(sibling))
                heirs.push_back(NodeOf(next));
            break;
        }
        previous = sibling;
    }
    if (previous)
        heirs.push_back(NodeOf(previous));
    return heirs;
}

CNavigationWin::Node CNavigationWin::NodeOf(HTREEITEM item) const
{
    const auto found = m_nodes.find(item);
    return found == m_nodes.end() ? Node {} : found->second;
}

CNavigationWin::Node CNavigationWin::SelectedNode() const
{
    return NodeOf(GetSelectedItem());
}

void CNavigationWin::SelectNode(const Node& node)
{
    const HTREEITEM item = ItemOf(node);
    if (!item)
        return;
    if (const HTREEITEM site = GetParentItem(item))
        Expand(site, TVE_EXPAND);
    SelectItemQuietly(item);
}

void CNavigationWin::MarkColonies()
{
    if (!IsCreated())
        return;
    const bool counted = !GetCareCache()->Counts().empty();
    const MiteThresholds thresholds = SavedMiteThresholds();
    const std::int64_t today = CurrentTime();
    m_marks.clear();
    for (const auto& [item, node] : m_nodes) {
        if (node.kind != NodeColony)
            continue;
        COLORREF colour = CLR_NONE;
        if (counted) {
            const std::vector<MiteCount> counts = GetCareCache()->CountsOf(node.id);
            const MiteStatus status = StatusOn(counts, thresholds, today);
            colour = status == MiteStatus::NoRecentCount ? kNoRecentCountColour : VarroaMarkOf(status).colour;
        }
        SetItemMark(item, colour);
        m_marks[node.id] = colour;
    }
}

COLORREF CNavigationWin::MarkOf(std::int32_t idFamily) const
{
    const auto found = m_marks.find(idFamily);
    return found == m_marks.end() ? CLR_NONE : found->second;
}

void CNavigationWin::OnEvent()
{
    Fill();
}

void CNavigationWin::OnDestroy()
{
    m_nodes.clear();
    CTreeCtrl::OnDestroy();
}

void CNavigationWin::OnLButtonDown(UINT flags, CPoint point)
{
    CTreeCtrl::OnLButtonDown(flags, point);
    SelectItem(HitTest(point));
}

void CNavigationWin::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const int kind = SelectedNode().kind;
    if (key == VK_F2 && !ctrl && kind != NodeNone) {
        EditLabel(GetSelectedItem());
    } else if (key == VK_DELETE && !ctrl && kind != NodeNone) {
        RunAction(kind == NodeSite ? ActionDeleteSite : ActionDeleteColony);
    } else if (key == 'N' && ctrl) {
        RunAction(kind == NodeSite ? ActionAddColony : kind == NodeColony ? ActionAddInspection : ActionAddSite);
    } else {
        CTreeCtrl::OnKeyDown(key, repeat, flags);
    }
}

void CNavigationWin::OnRButtonDown(UINT, CPoint point)
{
    SelectItem(HitTest(point));
    ShowMenu(point);
}

void CNavigationWin::OnContextMenu(CWnd*, CPoint screenPoint)
{
    // The mouse opened the menu already on the button press; only the menu key is left.
    if (screenPoint.x != -1 || screenPoint.y != -1)
        return;
    CRect place;
    if (const HTREEITEM selected = GetSelectedItem(); selected && GetItemRect(selected, &place, TRUE)) {
        ShowMenu(place.CenterPoint());
        return;
    }
    CRect client;
    GetClientRect(&client);
    ShowMenu(CPoint(client.Width() / 2, 0));
}

BOOL CNavigationWin::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT command = LOWORD(wParam);
    if (HIWORD(wParam) != 0 || command == 0 || command >= std::size(kActionOfCommand))
        return CTreeCtrl::OnCommand(wParam, lParam);
    RunAction(kActionOfCommand[command]);
    return TRUE;
}

void CNavigationWin::ShowMenu(CPoint point)
{
    CMenu menu;
    menu.CreatePopupMenu();
    for (const MenuEntry& entry : MenuOf(SelectedNode().kind))
        menu.AppendMenu(MF_STRING, entry.command, Tr(entry.textId));
    CRect window;
    GetWindowRect(&window);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, window.left + point.x, window.top + point.y, this);
}

void CNavigationWin::RunAction(int action)
{
    const HTREEITEM selected = GetSelectedItem();
    const Node node = NodeOf(selected);
    if (IsDelete(action)) {
        const std::u16string question = DeleteQuestion(action, node.id, GetItemText(selected));
        const std::int32_t title = action == ActionDeleteSite ? StringId::DeletePoint : StringId::DeleteFamily;
        if (MessageBoxW(GetParent(), question, Tr(title), MB_YESNO) != IDYES)
            return;
    }
    const unsigned fills = m_fills;
    const bool done = RunJournalAction(this, action, node.id);
    // A delete that went through has rebuilt the tree already, and the old handle names nothing.
    if (IsDelete(action) && done && fills == m_fills) {
        Forget(selected);
        DeleteItem(selected);
    }
}

void CNavigationWin::Forget(HTREEITEM item)
{
    for (HTREEITEM child = GetChildItem(item); child; child = GetNextSiblingItem(child))
        Forget(child);
    m_nodes.erase(item);
}
