#include "AddHousingDialog.h"
#include "ComboBox.h"
#include "HousingCache.h"
#include "HousingDialog.h"
#include "JournalFixture.h"
#include "ListBox.h"
#include "StringIds.h"
#include "TabCtrl.h"

namespace {
class AddHousingDialogTest : public JournalFixture
{
protected:
    AddHousingDialogTest()
    {
        dadant = journal.AddHousingType(u"Dadant");
        langstroth = journal.AddHousingType(u"Langstroth");
        deep = journal.AddFrameType(u"Deep");
        shallow = journal.AddFrameType(u"Shallow");
    }

    static void ClickTab(CWnd* dialog, int index)
    {
        auto* tabs = static_cast<CTabCtrl*>(dialog->GetDlgItem(CAddHousingDialog::IdTab));
        RECT place {};
        ASSERT_TRUE(tabs->GetItemRect(index, &place));
        UiTest::Click(tabs, (place.left + place.right) / 2, (place.top + place.bottom) / 2);
    }

    static CRect PlaceOf(CWnd* dialog, UINT id)
    {
        CRect place;
        dialog->GetDlgItem(static_cast<int>(id))->GetWindowRect(&place);
        dialog->ScreenToClient(&place);
        return place;
    }

    std::int32_t dadant = 0;
    std::int32_t langstroth = 0;
    std::int32_t deep = 0;
    std::int32_t shallow = 0;
};
}

TEST_P(AddHousingDialogTest, NewHiveTabStoresTheHiveWithItsTypesOnceNamed)
{
    dialogs.Then([&](CDialog& dialog) {
        auto& add = static_cast<CAddHousingDialog&>(dialog);
        EXPECT_EQ(add.GetMode(), CAddHousingDialog::NewHousing);
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::HousingDialogTitle));
        EXPECT_EQ(dialog.GetDlgItem(IDOK)->GetWindowText(), Text(StringId::ButtonAdd));
        auto* tabs = static_cast<CTabCtrl*>(dialog.GetDlgItem(CAddHousingDialog::IdTab));
        EXPECT_EQ(tabs->GetItemCount(), 3);
        EXPECT_EQ(tabs->GetCurSel(), 0);
        EXPECT_EQ(PlaceOf(&dialog, CAddHousingDialog::IdName), CRect(15, 55, 320, 75));
        EXPECT_EQ(PlaceOf(&dialog, CAddHousingDialog::IdHousingType).TopLeft(), CPoint(15, 95));
        EXPECT_EQ(PlaceOf(&dialog, CAddHousingDialog::IdFrameType).TopLeft(), CPoint(15, 135));
        auto* types = static_cast<CComboBox*>(dialog.GetDlgItem(CAddHousingDialog::IdHousingType));
        auto* frames = static_cast<CComboBox*>(dialog.GetDlgItem(CAddHousingDialog::IdFrameType));
        // A new hive has no type until one is chosen.
        EXPECT_EQ(types->GetWindowText(), Text(StringId::NoType));
        EXPECT_EQ(frames->GetWindowText(), Text(StringId::NoType));
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        // Enter on an empty name confirms nothing.
        CWnd* name = dialog.GetDlgItem(CAddHousingDialog::IdName);
        UiTest::KeyPress(name, VK_RETURN);
        EXPECT_FALSE(dialog.IsEnded());
        Type(name, u"Hive 9");
        EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        types->SetCurSel(types->FindStringExact(-1, u"Langstroth"));
        frames->SetCurSel(frames->FindStringExact(-1, u"Shallow"));
        ClickButton(&dialog, IDOK);
    });
    CAddHousingDialog dialog(journal);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_NE(dialog.GetId(), 0);
    EXPECT_EQ(dialog.GetName(), u"Hive 9");
    const std::u16string row = u"FROM housings WHERE id_housing=" + IntToText(dialog.GetId());
    EXPECT_EQ(Value(u"SELECT name " + row), u"Hive 9");
    EXPECT_EQ(Number(u"SELECT type_housing " + row), langstroth);
    EXPECT_EQ(Number(u"SELECT type_frame " + row), shallow);
    EXPECT_EQ(Number(u"SELECT id_family " + row), 0);
    ASSERT_NE(GetHousingCache()->FindHousing(dialog.GetId()), nullptr);
}

TEST_P(AddHousingDialogTest, ExistingHiveTabFindsByPrefixAndNameOnlyTabStoresNothing)
{
    const std::int32_t apple = AddHousing(u"Apple");
    AddHousing(u"Beta");
    const std::int32_t birch = AddHousing(u"Birch");
    // A deleted hive is not offered.
    ASSERT_TRUE(journal.DeleteHousing(AddHousing(u"Burnt")));
    const std::int32_t rows = Number(u"SELECT COUNT(*) FROM housings");
    dialogs.Then([&](CDialog& dialog) {
        CWnd* name = dialog.GetDlgItem(CAddHousingDialog::IdName);
        Type(name, u"typed on the first tab");
        ClickTab(&dialog, CAddHousingDialog::ExistingHousing);
        auto& add = static_cast<CAddHousingDialog&>(dialog);
        EXPECT_EQ(add.GetMode(), CAddHousingDialog::ExistingHousing);
        // The first tab's controls are gone, the name is emptied, the list is in its place.
        EXPECT_EQ(dialog.GetDlgItem(CAddHousingDialog::IdHousingType), nullptr);
        EXPECT_EQ(name->GetWindowText(), u"");
        auto* list = static_cast<CListBox*>(dialog.GetDlgItem(CAddHousingDialog::IdHousings));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(PlaceOf(&dialog, CAddHousingDialog::IdHousings), CRect(15, 85, 320, 300));
        EXPECT_EQ(list->GetCount(), 3);
        EXPECT_EQ(list->GetCurSel(), 0);
        EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        Type(name, u"bi");
        EXPECT_EQ(list->GetItemData(list->GetCurSel()), static_cast<std::uintptr_t>(birch));
        // The first entry is found as well as any other.
        Type(name, u"ap");
        EXPECT_EQ(list->GetItemData(list->GetCurSel()), static_cast<std::uintptr_t>(apple));
        Type(name, u"zz");
        EXPECT_EQ(list->GetItemData(list->GetCurSel()), static_cast<std::uintptr_t>(apple));
        Type(name, u"Bir");
        ClickButton(&dialog, IDOK);
    });
    dialogs.Then([&](CDialog& dialog) {
        ClickTab(&dialog, CAddHousingDialog::NameOnly);
        EXPECT_EQ(dialog.GetDlgItem(CAddHousingDialog::IdHousings), nullptr);
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        Type(dialog.GetDlgItem(CAddHousingDialog::IdName), u"Borrowed hive");
        ClickButton(&dialog, IDOK);
    });
    CAddHousingDialog dialog(journal);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetId(), birch);
    EXPECT_EQ(dialog.GetName(), u"Birch");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetId(), 0);
    EXPECT_EQ(dialog.GetName(), u"Borrowed hive");
    EXPECT_EQ(Number(u"SELECT COUNT(*) FROM housings"), rows);
}

TEST_P(AddHousingDialogTest, ExistingHiveTabWithoutHivesKeepsOkDisabled)
{
    dialogs.Then([&](CDialog& dialog) {
        ClickTab(&dialog, CAddHousingDialog::ExistingHousing);
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
    });
    CAddHousingDialog dialog(journal);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetId(), 0);
}

TEST_P(AddHousingDialogTest, HiveDialogShowsTheHiveAndStoresItsChange)
{
    const std::int32_t hive = AddHousing(u"Hive 3", 0, langstroth, shallow);
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::HousingDialogTitle));
        EXPECT_EQ(dialog.GetDlgItem(IDOK)->GetWindowText(), Text(StringId::ButtonChange));
        EXPECT_EQ(dialog.GetDlgItem(CHousingDialog::IdFrameTypeLabel)->GetWindowText(), Text(StringId::FrameTypeLabel));
        auto* types = static_cast<CComboBox*>(dialog.GetDlgItem(CHousingDialog::IdHousingType));
        auto* frames = static_cast<CComboBox*>(dialog.GetDlgItem(CHousingDialog::IdFrameType));
        EXPECT_EQ(types->GetItemData(types->GetCurSel()), static_cast<std::uintptr_t>(langstroth));
        EXPECT_EQ(frames->GetItemData(frames->GetCurSel()), static_cast<std::uintptr_t>(shallow));
        EXPECT_EQ(dialog.GetDlgItem(CHousingDialog::IdName)->GetWindowText(), u"Hive 3");
        Type(dialog.GetDlgItem(CHousingDialog::IdName), u"Hive 3b");
        frames->SetCurSel(frames->FindStringExact(-1, u"Deep"));
        ClickButton(&dialog, IDOK);
    });
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetDlgItem(IDOK)->GetWindowText(), Text(StringId::ButtonAdd));
        Type(dialog.GetDlgItem(CHousingDialog::IdName), u"Hive 4");
        ClickButton(&dialog, IDOK);
    });
    CHousingDialog change(journal, hive);
    ASSERT_EQ(change.DoModal(), IDOK);
    const std::u16string row = u"FROM housings WHERE id_housing=" + IntToText(hive);
    EXPECT_EQ(Value(u"SELECT name " + row), u"Hive 3b");
    EXPECT_EQ(Number(u"SELECT type_frame " + row), deep);
    EXPECT_EQ(Number(u"SELECT type_housing " + row), langstroth);

    CHousingDialog add(journal);
    ASSERT_EQ(add.DoModal(), IDOK);
    ASSERT_NE(add.GetId(), 0);
    EXPECT_EQ(Value(u"SELECT name FROM housings WHERE id_housing=" + IntToText(add.GetId())), u"Hive 4");
    EXPECT_EQ(Number(u"SELECT type_housing FROM housings WHERE id_housing=" + IntToText(add.GetId())), 0);
    EXPECT_NE(dadant, 0);
}

TEST_P(AddHousingDialogTest, AHiveTheDatabaseRefusesKeepsTheDialogAndTheName)
{
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, u"DROP TABLE housings");
    }
    dialogs.Then([&](CDialog& dialog) {
        Type(dialog.GetDlgItem(CAddHousingDialog::IdName), u"Hive 9");
        ClickButton(&dialog, IDOK);
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_FALSE(boxes.Calls().empty());
        EXPECT_EQ(dialog.GetDlgItem(CAddHousingDialog::IdName)->GetWindowText(), u"Hive 9");
    });
    CAddHousingDialog dialog(journal);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetId(), 0);
}

TEST_P(AddHousingDialogTest, TheFormsPickerGivesTheChosenHiveOrNothing)
{
    const std::int32_t hive = AddHousing(u"Apple");
    dialogs.Then([&](CDialog& dialog) {
        ClickTab(&dialog, CAddHousingDialog::ExistingHousing);
        ClickButton(&dialog, IDOK);
    });
    dialogs.Then([&](CDialog& dialog) { ClickButton(&dialog, IDCANCEL); });
    const HousingPicker pick = AddHousingDialogPicker(journal);
    const std::optional<PickedHousing> picked = pick(nullptr, 0);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->id_housing, hive);
    EXPECT_EQ(picked->name, u"Apple");
    EXPECT_FALSE(pick(nullptr, 0).has_value());
}

TEST_P(AddHousingDialogTest, HivesChosenForAColonyBecomeItsOwnAndAnotherColonysHiveMovesOnlyWhenAgreed)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t mine = AddFamily(site, u"Mine");
    const std::int32_t other = AddFamily(site, u"Neighbour");
    const std::int32_t free = AddHousing(u"Free hive");
    const std::int32_t taken = AddHousing(u"Taken hive", other);
    const HousingPicker pick = AddHousingDialogPicker(journal);
    auto choose = [&](const std::u16string& shown) {
        dialogs.Then([&, shown](CDialog& dialog) {
            ClickTab(&dialog, CAddHousingDialog::ExistingHousing);
            auto* list = static_cast<CListBox*>(dialog.GetDlgItem(CAddHousingDialog::IdHousings));
            const int index = list->FindStringExact(-1, shown);
            ASSERT_GE(index, 0) << ToUtf8(shown);
            list->SetCurSel(index);
            ClickButton(&dialog, IDOK);
            // A refused move keeps the dialog open for another choice.
            if (!dialog.IsEnded())
                ClickButton(&dialog, IDCANCEL);
        });
    };
    // A new hive is stored as the colony's.
    dialogs.Then([&](CDialog& dialog) {
        Type(dialog.GetDlgItem(CAddHousingDialog::IdName), u"New hive");
        ClickButton(&dialog, IDOK);
    });
    const std::optional<PickedHousing> made = pick(nullptr, mine);
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(made->id_housing)), mine);

    // A free hive is assigned without a question.
    choose(u"Free hive");
    const std::optional<PickedHousing> freed = pick(nullptr, mine);
    ASSERT_TRUE(freed.has_value());
    EXPECT_EQ(freed->id_housing, free);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(free)), mine);

    // Another colony's hive shows that colony and moves only after a yes.
    const std::u16string shownTaken = u"Taken hive (Neighbour)";
    boxes.Answer(IDNO);
    choose(shownTaken);
    EXPECT_FALSE(pick(nullptr, mine).has_value());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(u"Neighbour"), std::u16string::npos);
    EXPECT_NE(boxes.Calls()[0].text.find(Text(StringId::MoveHiveQuestion)), std::u16string::npos);
    EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(taken)), other);
    boxes.Answer(IDYES);
    choose(shownTaken);
    const std::optional<PickedHousing> moved = pick(nullptr, mine);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->name, u"Taken hive");
    EXPECT_EQ(Number(u"SELECT id_family FROM housings WHERE id_housing=" + IntToText(taken)), mine);
    EXPECT_EQ(GetHousingCache()->HousingsOf(mine).size(), 3u);
    EXPECT_TRUE(GetHousingCache()->HousingsOf(other).empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, AddHousingDialogTest, ShippedLanguages(), LanguageName);
