#pragma once

#include "JournalCodes.h"
#include "Subscription.h"
#include "TreeCtrl.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>


// The tree of sites and their colonies, with the context menu of their actions. It rebuilds
// itself when sites or colonies change (events 1 and 2), a colony's event among them: a colony
// lost or united into another is greyed, or left out while ended colonies are hidden. Once the
// journal holds mite counts, each colony shown has a round mark of its state against the thresholds
// (red above, orange near, green below, grey without a recent count), renewed when the care or the
// thresholds change.
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

    // Sites in ascending id order, each with its colonies in ascending id order. A rebuild keeps
    // the nodes that were expanded, the selection and the top node shown; a selected node that is
    // gone leaves the selection to its site, else its next or previous sibling.
    void Fill();
    // Narrows the tree to the sites and colonies whose name contains the text, in any case: a
    // matching site keeps all its colonies, another site only its matching ones, and each site
    // shown is opened. An empty text shows everything again.
    void SetFilter(const std::u16string& text);
    // Leaves out, or shows again greyed, the colonies that were lost or united into another.
    void SetHideEnded(bool hide);
    bool HidesEnded() const { return m_hideEnded; }
    Node NodeOf(HTREEITEM item) const;
    // The item that stands for the node; null when the tree does not show it.
    HTREEITEM ItemOf(const Node& node) const;
    Node SelectedNode() const;
    // Shows the node selected, its site opened, without telling the journal window.
    void SelectNode(const Node& node);
    // The colour of the colony's mark as last set; CLR_NONE for none.
    COLORREF MarkOf(std::int32_t idFamily) const;

    void OnEvent() override;

    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    // F2 renames the node, Delete deletes it (after the question) and Ctrl+N adds under it, as the
    // menu does.
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnContextMenu(CWnd* window, CPoint screenPoint) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The menu of the selected node at a point of the tree's client area.
    void ShowMenu(CPoint point);
    void RunAction(int action);
    // Drops the item and everything under it from the node map.
    void Forget(HTREEITEM item);
    // The nodes that may take the selection after a rebuild, the selected one first.
    std::vector<Node> SelectionHeirs() const;
    void MarkColonies();

    // Renews the marks alone when the counts or their thresholds change.
    class CMarkSubscriber : public ISubscriber
    {
    public:
        explicit CMarkSubscriber(CNavigationWin& tree)
            : m_tree(tree)
        {
        }
        void OnEvent() override { m_tree.MarkColonies(); }

    private:
        CNavigationWin& m_tree;
    };

    std::map<HTREEITEM, Node> m_nodes;
    std::u16string m_filter;
    bool m_hideEnded = false;
    CSubscription m_subscription;
    CMarkSubscriber m_markSubscriber { *this };
    CSubscription m_markSubscription;
    std::map<std::int32_t, COLORREF> m_marks;
    // Counts the rebuilds, after which the handles from before name nothing.
    unsigned m_fills = 0;
};
