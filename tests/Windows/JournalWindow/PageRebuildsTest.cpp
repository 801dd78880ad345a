#include "JournalWindowFixture.h"

#include "AddChangeInspectView.h"
#include "JournalData.h"
#include "JournalPages.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"

namespace {
int g_fills = 0;

// The records and colonies pages, counting how often they fill their tables.
class CCountedInspect : public CViewInspect
{
public:
    using CViewInspect::CViewInspect;
    void FillTable() override
    {
        ++g_fills;
        CViewInspect::FillTable();
    }
};

class CCountedFamilies : public CViewFamilies
{
public:
    using CViewFamilies::CViewFamilies;
    void FillTable() override
    {
        ++g_fills;
        CViewFamilies::FillTable();
    }
};

// The program's pages, with the counted ones found first.
std::vector<PageFactory> CountedPages()
{
    std::vector<PageFactory> pages = JournalPageFactories();
    pages.insert(pages.begin(), [](JournalState* state, IJournalComponent&) { return std::make_unique<CCountedFamilies>(state); });
    pages.insert(pages.begin(), [](JournalState* state, IJournalComponent&) { return std::make_unique<CCountedInspect>(state); });
    return pages;
}

class PageRebuildsTest : public JournalWindowTest
{
protected:
    PageRebuildsTest()
        : JournalWindowTest(CountedPages())
    {
        g_fills = 0;
    }
};
}

// A page shows a change once: a switch fills the page shown once, and a saved record rebuilds
// only the records page the form returns to, not the pages that are not shown.
TEST_P(PageRebuildsTest, EachSwitchAndEachSavedRecordFillsOnePageOnce)
{
    // A record is saved with a hive line.
    HousingRecord hive;
    hive.name = u"Hive 1";
    hive.id_family = 5;
    ASSERT_GT(journal->AddHousing(hive), 0);
    ClickItem(u"North");
    EXPECT_EQ(g_fills, 1);
    ClickItem(u"Linden");
    EXPECT_EQ(g_fills, 2);
    ASSERT_NE(dynamic_cast<CViewInspect*>(Window()->GetDlgItem(IdPage)), nullptr);

    UiTest::KeyPress(Tree(), 'N', MK_CONTROL);
    UiTest::ProcessEvents(20);
    auto* form = dynamic_cast<CAddInspectView*>(Window()->GetDlgItem(IdPage));
    ASSERT_NE(form, nullptr);
    g_fills = 0;
    UiTest::KeyPress(form, VK_TAB);
    UiTest::TypeText(form, u"9");
    CWnd* save = form->GetDlgItem(IdSaveButton);
    ASSERT_NE(save, nullptr);
    UiTest::Click(save, 5, 5);
    UiTest::ProcessEvents(20);

    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal WHERE id_family = 5 AND frame = 9"), 1);
    EXPECT_NE(dynamic_cast<CViewInspect*>(Window()->GetDlgItem(IdPage)), nullptr);
    EXPECT_EQ(g_fills, 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, PageRebuildsTest, ShippedLanguages(), LanguageName);
