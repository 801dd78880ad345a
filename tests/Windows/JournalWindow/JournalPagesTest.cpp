#include "JournalWindowFixture.h"

#include "AddChangeFamilyView.h"
#include "AddChangeInspectView.h"
#include "AddChangeQueenBeeView.h"
#include "BQManagerDialog.h"
#include "Calendar.h"
#include "Dialog.h"
#include "HousingManagerDialog.h"
#include "JournalCache.h"
#include "JournalData.h"
#include "JournalPages.h"
#include "JournalToolbar.h"
#include "PointFamilyCache.h"
#include "QBeeInspectView.h"
#include "QBeePointView.h"
#include "TableRow.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"
#include "ViewPoints.h"
#include "ViewTable.h"

namespace {
// The journal window with the program's own pages.
class JournalPagesTest : public JournalWindowTest
{
protected:
    JournalPagesTest()
        : JournalWindowTest(JournalPageFactories())
    {
    }

    template <typename Page>
    Page* Shown()
    {
        return dynamic_cast<Page*>(Window()->GetDlgItem(IdPage));
    }
    void ClickButtonOfPage(int id)
    {
        CWnd* button = Window()->GetDlgItem(IdPage)->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        CRect rect;
        button->GetClientRect(&rect);
        UiTest::Click(button, rect.CenterPoint().x, rect.CenterPoint().y);
        UiTest::ProcessEvents(20);
    }
};
}

TEST_P(JournalPagesTest, TreeAndButtonsLeadThroughTheListPagesAndTheForms)
{
    EXPECT_NE(Shown<CViewPoints>(), nullptr);
    EXPECT_EQ(State().page, PageSites);

    ClickItem(u"North");
    ASSERT_NE(Shown<CViewFamilies>(), nullptr);
    EXPECT_EQ(State().recordId, 1);
    ClickItem(u"Linden");
    ASSERT_NE(Shown<CViewInspect>(), nullptr);
    EXPECT_EQ(State().recordId, 5);

    // The add button of the colonies page opens the colony form on the site; Cancel goes back.
    ClickItem(u"North");
    ClickButtonOfPage(IdAddButton);
    ASSERT_NE(Shown<CAddFamilyView>(), nullptr);
    EXPECT_EQ(State().page, PageAddColony);
    EXPECT_EQ(State().recordId, 1);
    ClickButtonOfPage(IdCancelButton);
    EXPECT_NE(Shown<CViewFamilies>(), nullptr);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 4);
}

TEST_P(JournalPagesTest, QueensTabShowsTheQueenPagesAndTheTreeMenuAddsAQueen)
{
    ClickTab(1);
    EXPECT_NE(Shown<CQBeePointView>(), nullptr);
    ClickItem(u"Linden");
    EXPECT_NE(Shown<CQBeeInspectView>(), nullptr);
    ChooseFromMenu(u"Linden", 8);
    UiTest::ProcessEvents(20);
    ASSERT_NE(Shown<CAddQueenBeeView>(), nullptr);
    EXPECT_EQ(State().page, PageAddQueen);
    EXPECT_EQ(State().recordId, 5);
}

TEST_P(JournalPagesTest, ColonyDeletedFromItsSitesTableLeavesTheJournalAndTheTree)
{
    ClickItem(u"North");
    auto* colonies = Shown<CViewFamilies>();
    ASSERT_NE(colonies, nullptr);
    // Acacia (3) is the first row, Linden (5) the second.
    UiTest::ProcessEvents();
    const CRect area = colonies->Grid().Area();
    UiTest::Click(colonies, area.left + 5,
        area.top + colonies->Grid().Drawer().BarHeight() + DefaultRowHeight + DefaultRowHeight / 2);
    ASSERT_NE(colonies->Grid().Drawer().SelectedRow(), nullptr);
    ASSERT_EQ(colonies->Grid().Drawer().SelectedRow()->id, 5);
    boxes.Answer(IDYES);
    ClickButtonOfPage(IdDeleteButton);

    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 5"), 0);
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(5), nullptr);
    EXPECT_EQ(Item(u"Linden"), nullptr);
    EXPECT_NE(Item(u"Acacia"), nullptr);
}

TEST_P(JournalPagesTest, DeletingTheShownColonyFromTheTreeLeavesItsRecordsPage)
{
    ClickItem(u"Linden");
    ASSERT_NE(Shown<CViewInspect>(), nullptr);
    boxes.Answer(IDYES);
    ChooseFromMenu(u"Linden", 6);
    UiTest::ProcessEvents(20);

    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 5"), 0);
    // The rebuilt tree selects the colony's site, and the page follows it.
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"North"));
    EXPECT_NE(Shown<CViewFamilies>(), nullptr);
    EXPECT_EQ(State().page, PageColonies);
}

TEST_P(JournalPagesTest, ToolbarOpensTheHiveAndTheQueenManagers)
{
    DialogResponder dialogs;
    std::vector<bool> opened;
    dialogs.Then([&](CDialog& dialog) { opened.push_back(dynamic_cast<CHousingManagerDialog*>(&dialog) != nullptr); });
    dialogs.Then([&](CDialog& dialog) { opened.push_back(dynamic_cast<CBQManagerDialog*>(&dialog) != nullptr); });
    ClickToolbarButton(CJournalToolbar::IdHousingManager);
    ClickToolbarButton(CJournalToolbar::IdQueenManager);
    EXPECT_EQ(opened, (std::vector<bool> { true, true }));
}

TEST_P(JournalPagesTest, AYardVisitOfFiveColoniesIsEnteredByKeyboardAlone)
{
    PointData yard;
    yard.name = u"Home yard";
    const std::int32_t site = journal->AddPoint(yard);
    std::vector<std::int32_t> colonies;
    std::vector<std::pair<std::int32_t, std::int32_t>> hives;
    for (int number = 1; number <= 5; ++number) {
        FamilyData family;
        family.id_point = site;
        family.name = u"Colony " + IntToText(number);
        colonies.push_back(journal->AddFamily(family));
        HousingRecord first;
        first.name = u"Hive " + IntToText(number) + u"a";
        first.id_family = colonies.back();
        HousingRecord second = first;
        second.name = u"Hive " + IntToText(number) + u"b";
        const std::int32_t firstId = journal->AddHousing(first);
        hives.emplace_back(firstId, journal->AddHousing(second));
        InspectData last;
        last.record.id_family = colonies.back();
        last.record.date = ParseDateText(u"01.05.2025");
        last.record.frame = 8;
        last.record.strength = 7;
        last.record.hives = { { hives.back().first, first.name, 3, 4 }, { hives.back().second, second.name, 2, 5 } };
        ASSERT_GT(journal->AddInspect(last), 0);
    }
    // To the yard's first colony and its new record: End, Right, Down, Ctrl+N.
    UiTest::KeyPress(Tree(), VK_END);
    UiTest::KeyPress(Tree(), VK_RIGHT);
    UiTest::KeyPress(Tree(), VK_DOWN);
    ASSERT_NE(Shown<CViewInspect>(), nullptr);
    UiTest::KeyPress(Tree(), 'N', MK_CONTROL);
    UiTest::ProcessEvents(20);

    int presses = 0;
    auto press = [&](CWnd* page, UINT key, UINT keys = 0) {
        UiTest::KeyPress(page, key, keys);
        ++presses;
    };
    for (std::size_t colony = 0; colony < colonies.size(); ++colony) {
        auto* form = Shown<CAddInspectView>();
        ASSERT_NE(form, nullptr) << colony;
        EXPECT_EQ(State().recordId, colonies[colony]);
        EXPECT_EQ(Tree()->SelectedNode().id, colonies[colony]);
        const std::u16string value = IntToText(static_cast<std::int32_t>(10 + colony));
        // The caret waits on the date; Tab selects each field's text, so typing replaces it;
        // Page Down goes to the next hive line's first field.
        press(form, VK_TAB);
        UiTest::TypeText(form, value);
        press(form, VK_TAB);
        UiTest::TypeText(form, value + u"1");
        press(form, VK_NEXT);
        UiTest::TypeText(form, value + u"2");
        press(form, VK_TAB);
        UiTest::TypeText(form, value + u"3");
        press(form, VK_NEXT);
        UiTest::TypeText(form, value + u"4");
        press(form, VK_TAB);
        UiTest::TypeText(form, value + u"5");
        press(form, VK_RETURN, MK_CONTROL);
        UiTest::ProcessEvents(20);
    }
    // After the last colony the records list of the last colony shows.
    EXPECT_NE(Shown<CViewInspect>(), nullptr);
    EXPECT_EQ(Tree()->SelectedNode().id, colonies.back());
    RecordProperty("KeyPressesPerRecord", presses / static_cast<int>(colonies.size()));
    EXPECT_EQ(presses, 7 * static_cast<int>(colonies.size()));

    const std::u16string today = FormatDateText(CurrentTime());
    for (std::size_t colony = 0; colony < colonies.size(); ++colony) {
        const std::u16string value = IntToText(static_cast<std::int32_t>(10 + colony));
        const std::u16string id = IntToText(colonies[colony]);
        const RowList records = Rows(u"SELECT id_journal, frame, strength, date FROM journal WHERE id_family = " + id
            + u" ORDER BY date DESC");
        ASSERT_EQ(records.size(), 2u) << colony;
        EXPECT_EQ(records[0][1].second, value);
        EXPECT_EQ(records[0][2].second, value + u"1");
        EXPECT_EQ(FormatDateText(GetJournalCache()->FindRecord(WToI(records[0][0].second))->date), today);
        const RowList lines = Rows(u"SELECT id_housing, honey, brood FROM inspect WHERE id_journal = "
            + records[0][0].second + u" ORDER BY id_housing");
        ASSERT_EQ(lines.size(), 2u) << colony;
        EXPECT_EQ(WToI(lines[0][0].second), hives[colony].first);
        EXPECT_EQ(lines[0][1].second, value + u"2");
        EXPECT_EQ(lines[0][2].second, value + u"3");
        EXPECT_EQ(WToI(lines[1][0].second), hives[colony].second);
        EXPECT_EQ(lines[1][1].second, value + u"4");
        EXPECT_EQ(lines[1][2].second, value + u"5");
    }
}

TEST_P(JournalPagesTest, EscapeLeavesAFormAskingOnlyWhenSomethingWasTyped)
{
    ClickItem(u"Linden");
    UiTest::KeyPress(Tree(), 'N', MK_CONTROL);
    UiTest::ProcessEvents(20);
    auto* form = Shown<CAddInspectView>();
    ASSERT_NE(form, nullptr);
    // Nothing typed: no question.
    UiTest::KeyPress(form, VK_ESCAPE);
    UiTest::ProcessEvents(20);
    EXPECT_TRUE(boxes.Calls().empty());
    ASSERT_NE(Shown<CViewInspect>(), nullptr);

    ClickItem(u"North");
    UiTest::KeyPress(Tree(), 'N', MK_CONTROL);
    UiTest::ProcessEvents(20);
    auto* colonyForm = Shown<CAddFamilyView>();
    ASSERT_NE(colonyForm, nullptr);
    UiTest::TypeText(colonyForm, u"Willow");
    boxes.Answer(IDNO);
    UiTest::KeyPress(colonyForm, VK_ESCAPE);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DiscardTypedQuestion));
    ASSERT_EQ(Shown<CAddFamilyView>(), colonyForm);
    boxes.Answer(IDYES);
    UiTest::KeyPress(colonyForm, VK_ESCAPE);
    UiTest::ProcessEvents(20);
    EXPECT_NE(Shown<CViewFamilies>(), nullptr);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE name = 'Willow'"), 0);
}

TEST_P(JournalPagesTest, TableKeysChangeDeleteAndAddAndTheTreeKeysRenameAndDelete)
{
    ClickItem(u"North");
    auto* colonies = Shown<CViewFamilies>();
    ASSERT_NE(colonies, nullptr);
    UiTest::KeyPress(colonies, VK_DOWN);
    ASSERT_NE(colonies->Grid().Drawer().SelectedRow(), nullptr);
    const int first = colonies->Grid().Drawer().SelectedRow()->id;
    UiTest::KeyPress(colonies, VK_RETURN);
    UiTest::ProcessEvents(20);
    ASSERT_NE(Shown<CChangeFamilyView>(), nullptr);
    EXPECT_EQ(State().recordId, first);
    UiTest::KeyPress(Window()->GetDlgItem(IdPage), VK_ESCAPE);
    UiTest::ProcessEvents(20);

    colonies = Shown<CViewFamilies>();
    ASSERT_NE(colonies, nullptr);
    UiTest::KeyPress(colonies, 'N', MK_CONTROL);
    UiTest::ProcessEvents(20);
    EXPECT_NE(Shown<CAddFamilyView>(), nullptr);
    UiTest::KeyPress(Window()->GetDlgItem(IdPage), VK_ESCAPE);
    UiTest::ProcessEvents(20);

    // A double click on Linden's row opens its form: the press before it has selected the row.
    colonies = Shown<CViewFamilies>();
    ASSERT_NE(colonies, nullptr);
    const CRect area = colonies->Grid().Area();
    const int lindenY = area.top + colonies->Grid().Drawer().BarHeight() + DefaultRowHeight + DefaultRowHeight / 2;
    UiTest::Click(colonies, area.left + 5, lindenY);
    UiTest::DoubleClick(colonies, area.left + 5, lindenY);
    UiTest::ProcessEvents(20);
    ASSERT_NE(Shown<CChangeFamilyView>(), nullptr);
    EXPECT_EQ(State().recordId, 5);
    UiTest::KeyPress(Window()->GetDlgItem(IdPage), VK_ESCAPE);
    UiTest::ProcessEvents(20);

    // Delete asks first; No keeps the colony.
    colonies = Shown<CViewFamilies>();
    ASSERT_NE(colonies, nullptr);
    UiTest::Click(colonies, area.left + 5, lindenY);
    boxes.Answer(IDNO);
    UiTest::KeyPress(colonies, VK_DELETE);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 5"), 1);
    boxes.Answer(IDYES);
    UiTest::KeyPress(colonies, VK_DELETE);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 5"), 0);

    // F2 renames the selected node in place, Delete in the tree deletes it after the question.
    ClickItem(u"Acacia");
    // The key goes up in the label's editor, which has the focus by then.
    UiTest::KeyDown(Tree(), VK_F2);
    UiTest::ProcessEvents();
    UiTest::KeyUp(nullptr, VK_F2);
    UiTest::TypeText(nullptr, u"Robinia");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 3 AND name = 'Robinia'"), 1);
    boxes.Answer(IDYES);
    UiTest::KeyPress(Tree(), VK_DELETE);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 3"), 0);
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"North"));
}

INSTANTIATE_TEST_SUITE_P(Languages, JournalPagesTest, ShippedLanguages(), LanguageName);
