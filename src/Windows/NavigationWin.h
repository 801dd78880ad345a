#pragma once

#include "EventManager.h"
#include "JournalCodes.h"
#include "TreeCtrl.h"

#include <cstdint>
#include <map>

// The tree of sites and their colonies, with the context menu of their actions. It rebuilds
// itself when sites or colonies change (events 1 and 2).
class CNavigationWin : public CTreeCtrl, public ISubscriber
{
public:
    // What a node stands for; the full id is kept, whatever its size.
    struct Node
    {
        std::int32_t id = 0;
        int kind = NodeNone;
    };

    CNavigationWin();
    ~CNavigationWin() override;

    // Sites in ascending id order, each with its colonies in ascending id order, all collapsed.
    void Fill();
    Node NodeOf(HTREEITEM item) const;
    Node SelectedNode() const;

    void OnEvent() override;

    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnContextMenu(CWnd* window, CPoint screenPoint) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The menu of the selected node at a point of the tree's client area.
    void ShowMenu(CPoint point);
    void RunAction(int action);
    // Drops the item and everything under it from the node map.
    void Forget(HTREEITEM item);

    std::map<HTREEITEM, Node> m_nodes;
    // Counts the rebuilds, after which the handles from before name nothing.
    unsigned m_fills = 0;
};
