#include "JournalWindowFixture.h"

#include "AddChangeFamilyView.h"
#include "AddChangeQueenBeeView.h"
#include "BQManagerDialog.h"
#include "Dialog.h"
#include "HousingManagerDialog.h"
#include "JournalPages.h"
#include "TableRow.h"
#include "PointFamilyCache.h"
#include "QBeeInspectView.h"
#include "QBeePointView.h"
#include "JournalToolbar.h"
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
    ClickButtonOfPage(CViewTable::IdAdd);
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
    ClickButtonOfPage(CViewTable::IdDelete);

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
    // The rebuilt tree selects nothing, and the page follows it.
    EXPECT_EQ(Tree()->GetSelectedItem(), nullptr);
    EXPECT_NE(Shown<CViewPoints>(), nullptr);
    EXPECT_EQ(State().page, PageSites);
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

INSTANTIATE_TEST_SUITE_P(Languages, JournalPagesTest, ShippedLanguages(), LanguageName);
