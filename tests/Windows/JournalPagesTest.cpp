#include "JournalWindowFixture.h"

#include "AddChangeFamilyView.h"
#include "AddChangeQueenBeeView.h"
#include "BQManagerDialog.h"
#include "Dialog.h"
#include "HousingManagerDialog.h"
#include "JournalPages.h"
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
