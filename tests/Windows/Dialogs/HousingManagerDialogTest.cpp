#include "HousingCache.h"
#include "HousingDialog.h"
#include "HousingManagerDialog.h"
#include "JournalFixture.h"
#include "ListBox.h"
#include "StringIds.h"

namespace {
class HousingManagerDialogTest : public JournalFixture
{
protected:
    HousingManagerDialogTest()
    {
        dadant = journal.AddHousingType(u"Dadant");
        deep = journal.AddFrameType(u"Deep");
        meadow = AddPoint(u"Meadow");
        north = AddFamily(meadow, u"North");
        south = AddFamily(meadow, u"South");
    }

    static CListBox* List(CWnd* dialog)
    {
        return static_cast<CListBox*>(dialog->GetDlgItem(CHousingManagerDialog::IdFreeHousings));
    }
    static CTreeCtrl* Tree(CWnd* dialog)
    {
        return static_cast<CTreeCtrl*>(dialog->GetDlgItem(CHousingManagerDialog::IdTree));
    }
    static bool Enabled(CWnd* dialog, UINT id) { return dialog->GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }

    static void ClickEntry(CListBox* list, int index)
    {
        RECT place {};
        list->GetItemRect(index, &place);
        UiTest::Click(list, place.left + 5, (place.top + place.bottom) / 2);
    }

    // The tree entry with that text below the parent (the root level for null).
    static HTREEITEM Child(CTreeCtrl* tree, HTREEITEM parent, const std::u16string& text)
    {
        for (HTREEITEM item = parent ? tree->GetChildItem(parent) : tree->GetRootItem(); item;
             item = tree->GetNextSiblingItem(item)) {
            if (tree->GetItemText(item) == text)
                return item;
        }
        return nullptr;
    }

    std::int32_t dadant = 0;
    std::int32_t deep = 0;
    std::int32_t meadow = 0;
    std::int32_t north = 0;
    std::int32_t south = 0;
};
}

TEST_P(HousingManagerDialogTest, AssignsAFreeHiveToAColonyAndReleasesIt)
{
    const std::int32_t free = AddHousing(u"Hive 1", 0, dadant, deep);
    AddHousing(u"Hive 2");
    const std::int32_t used = AddHousing(u"Hive 3", south);
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::HousingManagerTitle));
        // Its controls stay where the template puts them, so the dialog keeps its size.
        EXPECT_FALSE(UiTest::IsResizable(&dialog));
        CListBox* list = List(&dialog);
        CTreeCtrl* tree = Tree(&dialog);
        ASSERT_EQ(list->GetCount(), 2);
        for (UINT id : { CHousingManagerDialog::IdAssign, CHousingManagerDialog::IdRelease,
                 CHousingManagerDialog::IdChange, CHousingManagerDialog::IdDelete })
            EXPECT_FALSE(Enabled(&dialog, id)) << id;

        // Sites carry 0, colonies their id, hives their id with bit 31.
        HTREEITEM site = Child(tree, nullptr, u"Meadow");
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(tree->GetItemData(site), 0u);
        HTREEITEM northItem = Child(tree, site, u"North");
        HTREEITEM southItem = Child(tree, site, u"South");
        ASSERT_NE(northItem, nullptr);
        EXPECT_EQ(tree->GetItemData(northItem), static_cast<std::uintptr_t>(north));
        EXPECT_FALSE(tree->ItemHasChildren(northItem));
        HTREEITEM usedItem = Child(tree, southItem, u"Hive 3");
        ASSERT_NE(usedItem, nullptr);
        EXPECT_EQ(tree->GetItemData(usedItem), static_cast<std::uintptr_t>(used) | 0x80000000u);

        ClickEntry(list, list->FindStringExact(-1, u"Hive 1"));
        EXPECT_TRUE(Enabled(&dialog, CHousingManagerDialog::IdChange));
        EXPECT_TRUE(Enabled(&dialog, CHousingManagerDialog::IdDelete));
        EXPECT_FALSE(Enabled(&dialog, CHousingManagerDialog::IdAssign));
        EXPECT_EQ(dialog.GetDlgItem(CHousingManagerDialog::IdHousingType)->GetWindowText(), u"Dadant");
        EXPECT_EQ(dialog.GetDlgItem(CHousingManagerDialog::IdFrameType)->GetWindowText(), u"Deep");
        ClickItem(tree, site);
        EXPECT_FALSE(Enabled(&dialog, CHousingManagerDialog::IdAssign));
        ClickItem(tree, northItem);
        ASSERT_TRUE(Enabled(&dialog, CHousingManagerDialog::IdAssign));
        ClickButton(&dialog, CHousingManagerDialog::IdAssign);

        EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(free)), north);
        EXPECT_EQ(list->FindStringExact(-1, u"Hive 1"), -1);
        HTREEITEM assigned = tree->GetSelectedItem();
        ASSERT_NE(assigned, nullptr);
        EXPECT_EQ(tree->GetItemText(assigned), u"Hive 1");
        EXPECT_EQ(tree->GetParentItem(assigned), northItem);
        EXPECT_TRUE(Enabled(&dialog, CHousingManagerDialog::IdRelease));

        // Releasing the colony's only hive leaves it without children.
        ClickButton(&dialog, CHousingManagerDialog::IdRelease);
        EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(free)), 0);
        EXPECT_FALSE(tree->ItemHasChildren(northItem));
        EXPECT_EQ(tree->GetSelectedItem(), northItem);
        ASSERT_GE(list->GetCurSel(), 0);
        EXPECT_EQ(list->GetItemData(list->GetCurSel()), static_cast<std::uintptr_t>(free));
        EXPECT_FALSE(Enabled(&dialog, CHousingManagerDialog::IdRelease));

        // A selected hive in the tree assigns to its colony.
        ClickItem(tree, Child(tree, southItem, u"Hive 3"));
        ClickButton(&dialog, CHousingManagerDialog::IdAssign);
        EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(free)), south);
        ClickButton(&dialog, IDOK);
    });
    CHousingManagerDialog dialog(journal);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(GetHousingCache()->HousingsOf(south).size(), 2u);
}

TEST_P(HousingManagerDialogTest, DeleteAsksWithTheNameAndOnlyYesDeletes)
{
    const std::int32_t hive = AddHousing(u"Old box");
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    dialogs.Then([&](CDialog& dialog) {
        CListBox* list = List(&dialog);
        Type(dialog.GetDlgItem(CHousingManagerDialog::IdSearch), u"old");
        ASSERT_EQ(list->GetCurSel(), 0);
        ClickButton(&dialog, CHousingManagerDialog::IdDelete);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeleteHousingTitle) + u" " + Quoted(u"Old box") + u"?");
        EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::RemoveHousingQuestion));
        EXPECT_EQ(boxes.Calls()[0].type, static_cast<UINT>(MB_YESNO));
        EXPECT_EQ(list->GetCount(), 1);
        EXPECT_EQ(Number(u"SELECT is_delete FROM housings WHERE id_housing=" + IntToText(hive)), 0);
        ClickButton(&dialog, CHousingManagerDialog::IdDelete);
        EXPECT_EQ(list->GetCount(), 0);
        EXPECT_EQ(Number(u"SELECT is_delete FROM housings WHERE id_housing=" + IntToText(hive)), 1);
        EXPECT_FALSE(Enabled(&dialog, CHousingManagerDialog::IdDelete));
    });
    CHousingManagerDialog dialog(journal);
    dialog.DoModal();
    EXPECT_TRUE(GetHousingCache()->HousingsOf(0).empty());
}

TEST_P(HousingManagerDialogTest, NewAndChangedHivesComeBackSelectedInTheList)
{
    const std::int32_t hive = AddHousing(u"Hive 5");
    dialogs.Then([&](CDialog& dialog) {
        // The hive dialog opens from the manager's buttons.
        dialogs.Then([&](CDialog& hiveDialog) {
            Type(hiveDialog.GetDlgItem(CHousingDialog::IdName), u"Hive 6");
            ClickButton(&hiveDialog, IDOK);
        });
        ClickButton(&dialog, CHousingManagerDialog::IdNew);
        CListBox* list = List(&dialog);
        ASSERT_EQ(list->GetCount(), 2);
        std::u16string chosen;
        list->GetText(list->GetCurSel(), chosen);
        EXPECT_EQ(chosen, u"Hive 6");

        // A hive without a type says so, and keeps no type when only its name changes.
        std::u16string shownType;
        dialogs.Then([&](CDialog& hiveDialog) {
            shownType = hiveDialog.GetDlgItem(CHousingDialog::IdHousingType)->GetWindowText();
            Type(hiveDialog.GetDlgItem(CHousingDialog::IdName), u"Hive 5 renamed");
            ClickButton(&hiveDialog, IDOK);
        });
        ClickEntry(list, list->FindStringExact(-1, u"Hive 5"));
        ClickButton(&dialog, CHousingManagerDialog::IdChange);
        ASSERT_EQ(list->GetCount(), 2);
        list->GetText(list->GetCurSel(), chosen);
        EXPECT_EQ(chosen, u"Hive 5 renamed");
        EXPECT_EQ(list->GetItemData(list->GetCurSel()), static_cast<std::uintptr_t>(hive));
        EXPECT_EQ(shownType, Text(StringId::NoType));
    });
    CHousingManagerDialog dialog(journal);
    dialog.DoModal();
    EXPECT_EQ(dialogs.Count(), 3);
    EXPECT_EQ(Value(u"SELECT name FROM housings WHERE id_housing=" + IntToText(hive)), u"Hive 5 renamed");
    EXPECT_EQ(Number(u"SELECT COUNT(*) FROM housings WHERE name='Hive 6' AND id_family=0"), 1);
    EXPECT_EQ(Number(u"SELECT COUNT(*) FROM housings WHERE type_housing=0 AND type_frame=0"), 2);
    EXPECT_NE(dadant, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, HousingManagerDialogTest, ShippedLanguages(), LanguageName);
