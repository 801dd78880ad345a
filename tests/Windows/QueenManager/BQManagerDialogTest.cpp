#include "BQManagerDialog.h"
#include "Button.h"
#include "ChangeGLWnd.h"
#include "ChangeQBWnd.h"
#include "GLWin.h"
#include "JournalFixture.h"
#include "QBWnd.h"
#include "STreeDrawer.h"
#include "StringIds.h"

namespace {
class BQManagerDialogTest : public JournalFixture
{
protected:
    BQManagerDialogTest()
    {
        meadow = AddPoint(u"Meadow");
        north = AddFamily(meadow, u"North");
        south = AddFamily(meadow, u"South");
        bella = AddQueen(u"Bella", north);
        carla = AddQueen(u"Carla", south, bella);
        stray = AddQueen(u"Stray", 0);
    }

    static CTreeCtrl* Tree(CWnd* dialog) { return static_cast<CTreeCtrl*>(dialog->GetDlgItem(CBQManagerDialog::IdTree)); }
    static bool Visible(CWnd* dialog, UINT id) { return dialog->GetDlgItem(static_cast<int>(id))->IsWindowVisible(); }
    static bool Enabled(CWnd* dialog, UINT id) { return dialog->GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }

    // The entry with that text below the parent (the root level for null).
    static HTREEITEM Child(CTreeCtrl* tree, HTREEITEM parent, const std::u16string& text)
    {
        for (HTREEITEM item = parent ? tree->GetChildItem(parent) : tree->GetRootItem(); item;
             item = tree->GetNextSiblingItem(item)) {
            if (tree->GetItemText(item) == text)
                return item;
        }
        return nullptr;
    }

    // The store adds the queen under the key the database hands out next.
    static std::int32_t AddQueenWithId(std::int32_t id, const std::u16string& name)
    {
        {
            CDatabaseLease database;
            RowList rows;
            database->ExecRequest(rows, u"UPDATE sqlite_sequence SET seq=" + IntToText(id - 1) + u" WHERE name='queen_bee'");
        }
        return AddQueen(name, 0);
    }

    static std::u16string QueenRow(const char16_t* column, std::int32_t id)
    {
        return Value(std::u16string(u"SELECT ") + column + u" FROM queen_bee WHERE id_queen_bee=" + IntToText(id));
    }

    std::int32_t meadow = 0;
    std::int32_t north = 0;
    std::int32_t south = 0;
    std::int32_t bella = 0;
    std::int32_t carla = 0;
    std::int32_t stray = 0;
};
}

TEST_P(BQManagerDialogTest, TreeHoldsSitesColoniesQueensAndEveryQueenLast)
{
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::QueenManagerTitle));
        EXPECT_FALSE(UiTest::IsResizable(&dialog));
        EXPECT_EQ(dialog.GetDlgItem(CBQManagerDialog::IdMove)->GetWindowText(), Text(StringId::MoveQueenToFamily));
        EXPECT_EQ(dialog.GetDlgItem(CBQManagerDialog::IdMother)->GetWindowText(), Text(StringId::ChangeQueenMother));
        CTreeCtrl* tree = Tree(&dialog);
        HTREEITEM site = tree->GetRootItem();
        EXPECT_EQ(tree->GetItemText(site), u"Meadow");
        EXPECT_EQ(tree->GetItemData(site), static_cast<std::uintptr_t>(meadow) * 65536 + 1);
        HTREEITEM all = tree->GetNextSiblingItem(site);
        ASSERT_NE(all, nullptr);
        EXPECT_EQ(tree->GetItemText(all), Text(StringId::QueenTreeAllQueens));
        EXPECT_EQ(tree->GetItemData(all), 0u);
        HTREEITEM northItem = tree->GetChildItem(site);
        EXPECT_EQ(tree->GetItemText(northItem), u"North");
        EXPECT_EQ(tree->GetItemData(northItem), static_cast<std::uintptr_t>(north) * 65536 + 2);
        HTREEITEM bellaItem = tree->GetChildItem(northItem);
        EXPECT_EQ(tree->GetItemText(bellaItem), u"Bella");
        EXPECT_EQ(tree->GetItemData(bellaItem), static_cast<std::uintptr_t>(bella) * 65536 + 3);
        std::vector<std::u16string> everyQueen;
        for (HTREEITEM item = tree->GetChildItem(all); item; item = tree->GetNextSiblingItem(item))
            everyQueen.push_back(tree->GetItemText(item));
        EXPECT_EQ(everyQueen, (std::vector<std::u16string> { u"Bella", u"Carla", u"Stray" }));

        // The panes lie between the tree and the close button, above the buttons under them.
        for (IDialogWnd* pane : { manager.LeftPane(), manager.RightPane() }) {
            CRect place;
            pane->Window().GetWindowRect(&place);
            for (UINT id : { CBQManagerDialog::IdMove, CBQManagerDialog::IdAdd, CBQManagerDialog::IdDelete }) {
                CRect button;
                dialog.GetDlgItem(static_cast<int>(id))->GetWindowRect(&button);
                EXPECT_LT(place.bottom, button.top) << id;
            }
            CRect tree;
            Tree(&dialog)->GetWindowRect(&tree);
            EXPECT_GT(place.left, tree.right);
        }

        // Opened on a colony: no queen, so nothing to change, delete, move or re-mother.
        EXPECT_EQ(tree->GetSelectedItem(), Child(tree, site, u"South"));
        for (UINT id : { CBQManagerDialog::IdChange, CBQManagerDialog::IdDelete, CBQManagerDialog::IdMove,
                 CBQManagerDialog::IdMother })
            EXPECT_FALSE(Enabled(&dialog, id)) << id;
        EXPECT_TRUE(Enabled(&dialog, CBQManagerDialog::IdAdd));
        EXPECT_FALSE(Visible(&dialog, CBQManagerDialog::IdSave));
        EXPECT_FALSE(Visible(&dialog, CBQManagerDialog::IdSaveGenealogy));

        // The name search selects the queen and hands her to both panes.
        Type(dialog.GetDlgItem(CBQManagerDialog::IdSearch), u"car");
        EXPECT_EQ(manager.Selection().id, carla);
        EXPECT_EQ(manager.Selection().GetKind(), QueenTreeItem::Queen);
        auto& genealogy = dynamic_cast<CGLWin&>(*manager.LeftPane());
        ASSERT_NE(genealogy.Drawer().Queen(), nullptr);
        EXPECT_EQ(genealogy.Drawer().Queen()->caption, u"Carla");
        ASSERT_NE(genealogy.Drawer().Mother(), nullptr);
        EXPECT_EQ(genealogy.Drawer().Mother()->id, bella);
        EXPECT_TRUE(Enabled(&dialog, CBQManagerDialog::IdChange));
        EXPECT_TRUE(Enabled(&dialog, CBQManagerDialog::IdMove));

        // A click on the mother's box in the genealogy selects her.
        const CSTreeDrawer::Box* mother = genealogy.Drawer().Mother();
        UiTest::Click(&genealogy, mother->x + 20, mother->y + 20);
        EXPECT_EQ(manager.Selection().id, bella);
        ClickButton(&dialog, CBQManagerDialog::IdClose);
    });
    CBQManagerDialog dialog(QueenTreeItem::Family, south);
    EXPECT_EQ(dialog.DoModal(), 0);
}

TEST_P(BQManagerDialogTest, MovesAQueenToTheChosenColonyAndGivesHerAnotherMother)
{
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        CTreeCtrl* tree = Tree(&dialog);
        ASSERT_EQ(manager.Selection().id, stray);
        ClickButton(&dialog, CBQManagerDialog::IdMove);
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::MoveToFamily);
        EXPECT_NE(dynamic_cast<CChangeGLWnd*>(manager.LeftPane()), nullptr);
        EXPECT_FALSE(Visible(&dialog, CBQManagerDialog::IdMove));
        EXPECT_TRUE(Visible(&dialog, CBQManagerDialog::IdSaveGenealogy));
        EXPECT_TRUE(Visible(&dialog, CBQManagerDialog::IdCancelGenealogy));
        ClickItem(tree, Child(tree, tree->GetRootItem(), u"South"));
        ClickButton(&dialog, CBQManagerDialog::IdSaveGenealogy);
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::Show);
        EXPECT_TRUE(Visible(&dialog, CBQManagerDialog::IdMove));
        EXPECT_FALSE(Visible(&dialog, CBQManagerDialog::IdSaveGenealogy));
        EXPECT_EQ(manager.Selection().id, stray);

        ClickButton(&dialog, CBQManagerDialog::IdMother);
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::ChangeMother);
        HTREEITEM northItem = Child(tree, tree->GetRootItem(), u"North");
        ClickItem(tree, Child(tree, northItem, u"Bella"));
        EXPECT_EQ(dynamic_cast<CChangeGLWnd&>(*manager.LeftPane()).Proposal().idMother, bella);
        ClickButton(&dialog, CBQManagerDialog::IdSaveGenealogy);

        // Cancel leaves the queen as she is.
        ClickButton(&dialog, CBQManagerDialog::IdMove);
        ClickItem(tree, Child(tree, tree->GetRootItem(), u"North"));
        ClickButton(&dialog, CBQManagerDialog::IdCancelGenealogy);
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::Show);
    });
    CBQManagerDialog dialog(QueenTreeItem::Queen, stray);
    dialog.DoModal();
    EXPECT_EQ(WToI(QueenRow(u"id_family", stray)), south);
    EXPECT_EQ(WToI(QueenRow(u"id_parent_queen_bee", stray)), bella);
    EXPECT_EQ(GetQueenBeeCache()->QueensOf(south).count(stray), 1u);
    EXPECT_EQ(GetQueenBeeCache()->DaughtersOf(bella), (std::vector<std::int32_t> { carla, stray }));
}

TEST_P(BQManagerDialogTest, AQueenCannotBecomeHerOwnMotherOrHerDaughtersDaughter)
{
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        CTreeCtrl* tree = Tree(&dialog);
        ClickButton(&dialog, CBQManagerDialog::IdMother);
        auto& pane = dynamic_cast<CChangeGLWnd&>(*manager.LeftPane());
        HTREEITEM northItem = Child(tree, tree->GetRootItem(), u"North");
        ClickItem(tree, Child(tree, northItem, u"Bella"));
        EXPECT_EQ(pane.Proposal().idMother, 0);
        HTREEITEM southItem = Child(tree, tree->GetRootItem(), u"South");
        ClickItem(tree, Child(tree, southItem, u"Carla"));
        EXPECT_EQ(pane.Proposal().idMother, 0);
        EXPECT_EQ(pane.Proposal().idFamily, south);
        ClickItem(tree, Child(tree, tree->GetNextSiblingItem(tree->GetRootItem()), u"Stray"));
        EXPECT_EQ(pane.Proposal().idMother, stray);
        ClickButton(&dialog, CBQManagerDialog::IdClose);
    });
    CBQManagerDialog dialog(QueenTreeItem::Queen, bella);
    dialog.DoModal();
    EXPECT_EQ(WToI(QueenRow(u"id_parent_queen_bee", bella)), 0);
}

TEST_P(BQManagerDialogTest, QueensWithIdsPastSixteenBitsKeepTheirOwnRecords)
{
    // 70000 and 4464 share their low 16 bits and so their tree item data.
    ASSERT_EQ(AddQueenWithId(4464, u"Low"), 4464);
    ASSERT_EQ(AddQueenWithId(70000, u"High"), 70000);
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        CTreeCtrl* tree = Tree(&dialog);
        // Opened on a queen, her entry under her colony is selected.
        ASSERT_EQ(manager.Selection().id, carla);
        EXPECT_EQ(tree->GetItemText(tree->GetParentItem(tree->GetSelectedItem())), u"South");
        ClickButton(&dialog, CBQManagerDialog::IdMother);
        HTREEITEM all = tree->GetNextSiblingItem(tree->GetRootItem());
        HTREEITEM high = Child(tree, all, u"High");
        EXPECT_EQ(tree->GetItemData(high), tree->GetItemData(Child(tree, all, u"Low")));
        ClickItem(tree, high);
        ClickButton(&dialog, CBQManagerDialog::IdSaveGenealogy);
        ASSERT_TRUE(manager.SelectQueen(70000));
        EXPECT_EQ(manager.Selection().id, 70000);
    });
    CBQManagerDialog dialog(QueenTreeItem::Queen, carla);
    dialog.DoModal();
    EXPECT_EQ(WToI(QueenRow(u"id_parent_queen_bee", carla)), 70000);
}

TEST_P(BQManagerDialogTest, AddsAndChangesQueensInTheDetailsPane)
{
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        CTreeCtrl* tree = Tree(&dialog);
        HTREEITEM northItem = Child(tree, tree->GetRootItem(), u"North");
        ClickItem(tree, Child(tree, northItem, u"Bella"));
        ClickButton(&dialog, CBQManagerDialog::IdAdd);
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::AddQueen);
        EXPECT_FALSE(tree->IsWindowVisible());
        EXPECT_FALSE(Visible(&dialog, CBQManagerDialog::IdAdd));
        EXPECT_TRUE(Visible(&dialog, CBQManagerDialog::IdSave));
        EXPECT_TRUE(Visible(&dialog, CBQManagerDialog::IdCancel));
        CWnd& pane = manager.RightPane()->Window();
        EXPECT_EQ(pane.GetDlgItem(CChangeQBWnd::IdTakeFamily)->GetWindowText(), u"North");
        EXPECT_EQ(pane.GetDlgItem(CChangeQBWnd::IdTakeMother)->GetWindowText(), u"Bella");
        Type(pane.GetDlgItem(CChangeQBWnd::IdName), u"Dora");
        Type(pane.GetDlgItem(CChangeQBWnd::IdFert), u"high");
        ClickButton(&dialog, CBQManagerDialog::IdSave);
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::Show);
        EXPECT_TRUE(tree->IsWindowVisible());
        EXPECT_EQ(tree->GetItemText(tree->GetSelectedItem()), u"Dora");

        // Changing her: unticking the living box stores her as dead.
        ClickButton(&dialog, CBQManagerDialog::IdChange);
        CWnd& change = manager.RightPane()->Window();
        EXPECT_EQ(change.GetDlgItem(CChangeQBWnd::IdName)->GetWindowText(), u"Dora");
        auto* alive = static_cast<CButton*>(change.GetDlgItem(CChangeQBWnd::IdAlive));
        EXPECT_EQ(alive->GetCheck(), BST_CHECKED);
        UiTest::Click(alive, 6, 6);
        EXPECT_EQ(alive->GetCheck(), BST_UNCHECKED);
        Type(change.GetDlgItem(CChangeQBWnd::IdName), u"Dora II");
        ClickButton(&dialog, CBQManagerDialog::IdSave);
        EXPECT_EQ(tree->GetItemText(tree->GetSelectedItem()), u"Dora II");
    });
    CBQManagerDialog dialog(QueenTreeItem::None, 0);
    dialog.DoModal();
    const std::int32_t dora = Number(u"SELECT id_queen_bee FROM queen_bee WHERE name='Dora II'");
    ASSERT_NE(dora, 0);
    EXPECT_EQ(WToI(QueenRow(u"id_family", dora)), north);
    EXPECT_EQ(WToI(QueenRow(u"id_parent_queen_bee", dora)), bella);
    EXPECT_EQ(QueenRow(u"fert", dora), u"high");
    EXPECT_EQ(WToI(QueenRow(u"is_dead", dora)), 1);
}

TEST_P(BQManagerDialogTest, DeleteAsksWithTheNameAndOnlyYesDeletes)
{
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        ClickButton(&dialog, CBQManagerDialog::IdDelete);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeleteQueenBee) + u" " + Quoted(u"Bella") + u"?");
        EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::DeleteQueenBee));
        EXPECT_EQ(boxes.Calls()[0].type, static_cast<UINT>(MB_YESNO));
        EXPECT_EQ(QueenRow(u"name", bella), u"Bella");
        EXPECT_TRUE(manager.SelectQueen(bella));
        ClickButton(&dialog, CBQManagerDialog::IdDelete);
        EXPECT_FALSE(manager.SelectQueen(bella));
        EXPECT_NE(manager.Selection().GetKind(), QueenTreeItem::Queen);
    });
    CBQManagerDialog dialog(QueenTreeItem::Queen, bella);
    dialog.DoModal();
    EXPECT_EQ(QueenRow(u"name", bella), u"none");
    EXPECT_EQ(WToI(QueenRow(u"id_parent_queen_bee", carla)), 0);
}

TEST_P(BQManagerDialogTest, AQueenTheDatabaseRefusesKeepsHerForm)
{
    dialogs.Then([&](CDialog& dialog) {
        auto& manager = static_cast<CBQManagerDialog&>(dialog);
        ClickButton(&dialog, CBQManagerDialog::IdAdd);
        Type(manager.RightPane()->Window().GetDlgItem(CChangeQBWnd::IdName), u"Erna");
        {
            CDatabaseLease database;
            RowList rows;
            database->ExecRequest(rows, u"DROP TABLE queen_bee");
        }
        ClickButton(&dialog, CBQManagerDialog::IdSave);
        EXPECT_FALSE(boxes.Calls().empty());
        EXPECT_EQ(manager.GetMode(), CBQManagerDialog::AddQueen);
        EXPECT_EQ(manager.RightPane()->Window().GetDlgItem(CChangeQBWnd::IdName)->GetWindowText(), u"Erna");
    });
    CBQManagerDialog dialog(QueenTreeItem::Family, north);
    dialog.DoModal();
    EXPECT_EQ(GetQueenBeeCache()->QueenBees().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Languages, BQManagerDialogTest, ShippedLanguages(), LanguageName);
