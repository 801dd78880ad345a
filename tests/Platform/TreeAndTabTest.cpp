#include "ControlParent.h"
#include "TabCtrl.h"
#include "TreeCtrl.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
using Labels = std::vector<std::u16string>;

Labels ChildTexts(const CTreeCtrl& tree, HTREEITEM parent)
{
    Labels texts;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        texts.push_back(tree.GetItemText(item));
    return texts;
}
}

TEST(Controls, TreeSelectsSortsAndAsksAboutNewLabels)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 300));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
        CRect(0, 0, 200, 300), &parent, 12304));
    HTREEITEM north = tree.InsertItem(u"North", TVI_ROOT, TVI_SORT);
    HTREEITEM east = tree.InsertItem(u"east", TVI_ROOT, TVI_SORT);
    tree.SetItemData(north, (1 << 16) + 1);
    HTREEITEM colony = tree.InsertItem(u"Colony", north);
    tree.SetItemData(colony, (3 << 16) + 2);
    EXPECT_EQ(tree.GetRootItem(), east);
    EXPECT_EQ(tree.GetNextSiblingItem(east), north);
    EXPECT_EQ(tree.GetParentItem(colony), north);
    EXPECT_TRUE(tree.ItemHasChildren(north));
    EXPECT_FALSE(tree.ItemHasChildren(east));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);

    tree.Expand(north, TVE_EXPAND);
    RECT place;
    ASSERT_TRUE(tree.GetItemRect(colony, &place, TRUE));
    UiTest::Click(&tree, place.left + 5, (place.top + place.bottom) / 2);
    EXPECT_EQ(tree.GetSelectedItem(), colony);
    ASSERT_FALSE(parent.selectionChanges.empty());
    EXPECT_EQ(parent.selectionChanges.back().itemNew.lParam, (3 << 16) + 2);
    EXPECT_EQ(parent.selectionChanges.back().action, TVC_BYMOUSE);
    EXPECT_EQ(tree.HitTest(CPoint(place.left + 5, place.top + 1)), colony);

    // Leaving a label edit asks the parent about the text, and a refusal keeps the old label.
    parent.acceptLabels = false;
    tree.EditLabel(north);
    UiTest::ProcessEvents();
    tree.SetFocus();
    UiTest::ProcessEvents();
    ASSERT_EQ(parent.labels.size(), 1u);
    EXPECT_EQ(parent.labels.back(), u"North");
    EXPECT_EQ(tree.GetItemText(north), u"North");
    tree.SelectItem(nullptr);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetCount(), 0u);
}


TEST(Controls, DeletingTheSelectedTreeItemSelectsANeighbourAndTellsTheParent)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 300));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 300), &parent, 12304));
    HTREEITEM north = tree.InsertItem(u"North");
    HTREEITEM south = tree.InsertItem(u"South");
    HTREEITEM east = tree.InsertItem(u"East");
    HTREEITEM first = tree.InsertItem(u"Colony 1", north);
    HTREEITEM second = tree.InsertItem(u"Colony 2", north);
    HTREEITEM third = tree.InsertItem(u"Colony 3", north);
    tree.SetItemData(first, 1);
    tree.SetItemData(third, 3);
    tree.SetItemData(north, 10);
    tree.SetItemData(south, 20);
    tree.SelectItem(second);
    parent.selectionChanges.clear();

    // Deleting another item leaves the selection alone and says nothing.
    tree.DeleteItem(east);
    EXPECT_EQ(tree.GetSelectedItem(), second);
    EXPECT_TRUE(parent.selectionChanges.empty());

    auto expectMovedTo = [&](HTREEITEM deleted, HTREEITEM now, LPARAM data) {
        parent.selectionChanges.clear();
        EXPECT_TRUE(tree.DeleteItem(deleted));
        EXPECT_EQ(tree.GetSelectedItem(), now);
        ASSERT_EQ(parent.selectionChanges.size(), 1u);
        EXPECT_EQ(parent.selectionChanges[0].itemNew.hItem, now);
        EXPECT_EQ(parent.selectionChanges[0].itemNew.lParam, data);
        EXPECT_EQ(parent.selectionChanges[0].action, TVC_UNKNOWN);
    };
    expectMovedTo(second, third, 3); // the next sibling
    expectMovedTo(third, first, 1); // else the previous one
    expectMovedTo(first, north, 10); // else the parent
    // A branch that holds the selection hands it on as the item would.
    tree.SelectItem(tree.InsertItem(u"Colony 4", north));
    expectMovedTo(north, south, 20);
    expectMovedTo(south, nullptr, 0);

    tree.InsertItem(u"West");
    tree.InsertItem(u"Colony 5", tree.GetRootItem());
    EXPECT_TRUE(tree.DeleteItem(TVI_ROOT));
    EXPECT_EQ(tree.GetCount(), 0u);
    tree.InsertItem(u"West");
    EXPECT_TRUE(tree.DeleteItem(nullptr));
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST(Controls, TreeSortsOneLevelWithoutRegardToCase)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 300));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 300), &parent, 12304));
    HTREEITEM beta = tree.InsertItem(u"beta");
    tree.InsertItem(u"Gamma");
    tree.InsertItem(u"Alpha");
    HTREEITEM colony = tree.InsertItem(u"delta", beta);
    tree.InsertItem(u"Charlie", beta);
    tree.InsertItem(u"bravo", beta);
    tree.InsertItem(u"yankee", colony);
    tree.InsertItem(u"X-ray", colony);

    EXPECT_TRUE(tree.SortChildren(TVI_ROOT));
    EXPECT_EQ(ChildTexts(tree, TVI_ROOT), (Labels { u"Alpha", u"beta", u"Gamma" }));
    EXPECT_EQ(ChildTexts(tree, beta), (Labels { u"delta", u"Charlie", u"bravo" }));

    EXPECT_TRUE(tree.SortChildren(beta));
    EXPECT_EQ(ChildTexts(tree, beta), (Labels { u"bravo", u"Charlie", u"delta" }));
    EXPECT_EQ(ChildTexts(tree, colony), (Labels { u"yankee", u"X-ray" }));

    tree.InsertItem(u"aardvark");
    EXPECT_TRUE(tree.SortChildren(nullptr));
    EXPECT_EQ(ChildTexts(tree, TVI_ROOT), (Labels { u"aardvark", u"Alpha", u"beta", u"Gamma" }));
}

TEST(Controls, TabChangeIsAskedForWhileTheOldTabIsCurrentAndCanBeRefused)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 100));
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 300, 24), &parent, 12288));
    tabs.InsertItem(0, u"Records");
    tabs.InsertItem(1, u"Queens");
    bool refuse = true;
    std::vector<int> currentWhenAsked;
    parent.answer = [&](const NMHDR& header) -> LRESULT {
        if (header.code != TCN_SELCHANGING)
            return 0;
        currentWhenAsked.push_back(tabs.GetCurSel());
        return refuse ? TRUE : FALSE;
    };
    RECT queens;
    ASSERT_TRUE(tabs.GetItemRect(1, &queens));

    UiTest::Click(&tabs, queens.left + 5, queens.top + 5);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(parent.notifications, (std::vector<UINT> { TCN_SELCHANGING }));
    EXPECT_EQ(currentWhenAsked, (std::vector<int> { 0 }));

    refuse = false;
    parent.notifications.clear();
    UiTest::Click(&tabs, queens.left + 5, queens.top + 5);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(parent.notifications, (std::vector<UINT> { TCN_SELCHANGING, TCN_SELCHANGE }));
    EXPECT_EQ(currentWhenAsked, (std::vector<int> { 0, 0 }));

    // The keyboard asks as well.
    refuse = true;
    parent.notifications.clear();
    UiTest::KeyPress(&tabs, VK_LEFT);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(parent.notifications, (std::vector<UINT> { TCN_SELCHANGING }));

    parent.notifications.clear();
    tabs.SetCurSel(0);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(parent.notifications.empty());
}
