#include "JournalWindowFixture.h"

#include "Edit.h"

namespace {
using Labels = std::vector<std::u16string>;

class TreeFilterTest : public JournalWindowTest
{
protected:
    CEdit* Filter() { return dynamic_cast<CEdit*>(Window()->GetDlgItem(IdTreeFilter)); }
    Labels SiteLabels() { return ChildLabels(TVI_ROOT); }
    // The key goes up in the filter box, which has the focus by then.
    static void PressCtrlF(CWnd* window)
    {
        UiTest::KeyDown(window, 'F', MK_CONTROL);
        UiTest::KeyUp(nullptr, 'F', MK_CONTROL);
        UiTest::ProcessEvents();
    }
    CRect TreePlace()
    {
        CRect rect;
        Tree()->GetWindowRect(&rect);
        Window()->ScreenToClient(&rect);
        return rect;
    }
};
}

TEST_P(TreeFilterTest, CtrlFNarrowsTheTreeAndEscapeBringsItAllBack)
{
    const int fullTop = TreePlace().top;
    // Ctrl+F from the page, not only from the tree, opens the box with the focus.
    PressCtrlF(Window()->GetDlgItem(IdPage));
    ASSERT_NE(Filter(), nullptr);
    EXPECT_TRUE(Filter()->IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), Filter());
    EXPECT_EQ(TreePlace().top, fullTop + kTreeFilterHeight);

    // A colony's name in any case: its site stays, opened, with that colony only.
    UiTest::TypeText(nullptr, u"LIN");
    UiTest::ProcessEvents();
    EXPECT_EQ(SiteLabels(), Labels { u"North" });
    EXPECT_EQ(ChildLabels(Item(u"North")), Labels { u"Linden" });
    EXPECT_TRUE(Tree()->IsExpanded(Item(u"North")));

    // A site's name keeps all its colonies.
    Filter()->SetWindowText(u"meadow");
    UiTest::ProcessEvents();
    EXPECT_EQ(SiteLabels(), Labels { u"Far meadow" });
    EXPECT_EQ(ChildLabels(Item(u"Far meadow")), (Labels { u"Clover", u"Heather" }));

    Filter()->SetWindowText(u"nothing like it");
    UiTest::ProcessEvents();
    EXPECT_TRUE(SiteLabels().empty());

    UiTest::KeyPress(nullptr, VK_ESCAPE);
    UiTest::ProcessEvents();
    EXPECT_FALSE(Filter()->IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), Tree());
    EXPECT_EQ(TreePlace().top, fullTop);
    EXPECT_EQ(SiteLabels(), (Labels { u"North", u"South", u"Far meadow" }));
    EXPECT_EQ(Filter()->GetWindowText(), u"");
}

TEST_P(TreeFilterTest, EnterOpensTheFirstColonyFoundAndTheKeysGoOnInTheTree)
{
    PressCtrlF(Tree());
    UiTest::TypeText(nullptr, u"heath");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"Heather"));
    EXPECT_EQ(State().recordId, kHeather);
    EXPECT_EQ(ShownPage(), PageInspections);
    EXPECT_EQ(CWnd::GetFocus(), Tree());

    // Ctrl+F again selects the old text, so typing replaces it.
    PressCtrlF(Tree());
    UiTest::TypeText(nullptr, u"Acac");
    UiTest::ProcessEvents();
    EXPECT_EQ(Filter()->GetWindowText(), u"Acac");
    EXPECT_EQ(SiteLabels(), Labels { u"North" });
}

INSTANTIATE_TEST_SUITE_P(Languages, TreeFilterTest, ShippedLanguages(), LanguageName);
