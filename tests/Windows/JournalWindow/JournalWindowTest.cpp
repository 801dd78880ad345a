#include "JournalWindowFixture.h"

#include "Brush.h"
#include "JournalData.h"
#include "JournalHandlers.h"
#include "QueenBeeCache.h"
#include "ToolBar.h"

namespace {
using Labels = std::vector<std::u16string>;
using Entries = std::vector<std::pair<UINT, std::u16string>>;

CRect PlaceIn(CWnd* child, CWnd* parent)
{
    CRect rect;
    child->GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    return rect;
}

Entries EntriesOf(const MenuResponder::Call& call)
{
    Entries entries;
    for (const CMenu::Item& item : call.items)
        entries.emplace_back(item.id, item.text);
    return entries;
}
}

TEST_P(JournalWindowTest, OpensOnTheSitesPageWithTheTreeInIdOrder)
{
    ASSERT_TRUE(Window()->IsCreated());
    EXPECT_EQ(ShownPage(), PageSites);
    EXPECT_EQ(State().page, PageSites);
    EXPECT_EQ(State().recordId, 0);
    EXPECT_EQ(ChildLabels(TVI_ROOT), (Labels { u"North", u"South", u"Far meadow" }));
    EXPECT_EQ(ChildLabels(Item(u"North")), (Labels { u"Acacia", u"Linden" }));
    EXPECT_EQ(ChildLabels(Item(u"Far meadow")), (Labels { u"Clover", u"Heather" }));
    EXPECT_FALSE(Tree()->ItemHasChildren(Item(u"South")));
    EXPECT_EQ(Tree()->GetSelectedItem(), nullptr);
    EXPECT_EQ(Tabs()->GetItemCount(), 6);
    EXPECT_EQ(Tabs()->GetCurSel(), 0);

    // The tree down the left below the toolbar and the check box that hides ended colonies, the
    // tabs and the page right of it.
    CRect client;
    Window()->GetClientRect(&client);
    EXPECT_EQ(PlaceIn(Tree(), Window()), CRect(0, 40 + kTreeFilterHeight, 200, client.bottom));
    EXPECT_EQ(PlaceIn(Tabs(), Window()), CRect(200, 40, client.right, 64));
    EXPECT_EQ(PlaceIn(Window()->GetDlgItem(IdPage), Window()), CRect(200, 64, client.right, client.bottom));

    // Without a node the queens tab shows the queens of all sites.
    ClickTab(1);
    EXPECT_EQ(ShownPage(), PageQueensOfAll);
    EXPECT_EQ(State().recordId, 0);
}

TEST_P(JournalWindowTest, ResizingMovesTreeTabsAndPage)
{
    Window()->MoveWindow(0, 0, 800, 500);
    UiTest::ProcessEvents();
    CRect client;
    Window()->GetClientRect(&client);
    EXPECT_EQ(PlaceIn(Tree(), Window()), CRect(0, 40 + kTreeFilterHeight, 200, client.bottom));
    EXPECT_EQ(PlaceIn(Tabs(), Window()), CRect(200, 40, client.right, 64));
    EXPECT_EQ(PlaceIn(Window()->GetDlgItem(IdPage), Window()), CRect(200, 64, client.right, client.bottom));
    EXPECT_EQ(PlaceIn(Window()->GetDlgItem(0xE800), Window()).Width(), client.Width());
}

TEST_P(JournalWindowTest, ColonyKeepsItsNodeAcrossTabs)
{
    ClickItem(u"Linden");
    EXPECT_EQ(ShownPage(), PageInspections);
    EXPECT_EQ(State().recordId, 5);
    ClickTab(1);
    EXPECT_EQ(ShownPage(), PageQueensOfColony);
    EXPECT_EQ(State().recordId, 5);
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"Linden"));

    ClickItem(u"North");
    EXPECT_EQ(ShownPage(), PageQueensOfSite);
    EXPECT_EQ(State().recordId, 1);
    ClickTab(0);
    EXPECT_EQ(ShownPage(), PageColonies);

    // A click beside every node leaves no node selected: the sites again.
    CRect client;
    Tree()->GetClientRect(&client);
    UiTest::Click(Tree(), 100, client.bottom - 10);
    UiTest::ProcessEvents();
    EXPECT_EQ(Tree()->GetSelectedItem(), nullptr);
    EXPECT_EQ(ShownPage(), PageSites);
    EXPECT_EQ(State().recordId, 0);
}

TEST_P(JournalWindowTest, OpenFormStaysWhileTreeAndTabChange)
{
    ChooseFromMenu(u"North", 4);
    EXPECT_EQ(ShownPage(), PageAddColony);
    EXPECT_EQ(State().recordId, 1);
    CWnd* form = Window()->GetDlgItem(IdPage);

    ClickItem(u"South");
    EXPECT_EQ(Window()->GetDlgItem(IdPage), form);
    EXPECT_EQ(State().page, PageAddColony);
    EXPECT_EQ(State().recordId, 2);
    ClickTab(1);
    EXPECT_EQ(ShownPage(), PageAddColony);

    // Action 0 goes back to the list of the tab and node.
    Window()->SendMessage(JournalActionMessage, ActionShowList, 0);
    EXPECT_EQ(ShownPage(), PageQueensOfSite);
    EXPECT_EQ(State().recordId, 2);
    // Actions switch from any page, and forms of no node reset the id.
    Window()->SendMessage(JournalActionMessage, ActionChangeQueen, 44);
    EXPECT_EQ(ShownPage(), PageChangeQueen);
    EXPECT_EQ(State().recordId, 44);
    Window()->SendMessage(JournalActionMessage, ActionAddSite, 9);
    EXPECT_EQ(ShownPage(), PageAddSite);
    EXPECT_EQ(State().recordId, 0);
}

TEST_P(JournalWindowTest, NoToTheDeleteQuestionKeepsNodeAndData)
{
    boxes.Answer(IDNO);
    ChooseFromMenu(u"Linden", 6);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    // The question names the colony once; nothing goes with a colony without records.
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeleteFamily) + u" " + Quoted(u"Linden") + u"?");
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::DeleteFamily));
    EXPECT_EQ(boxes.Calls()[0].type & MB_YESNO, MB_YESNO);
    EXPECT_NE(Item(u"Linden"), nullptr);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 5"), 1);
    EXPECT_EQ(ShownPage(), PageInspections);

    boxes.Answer(IDYES);
    ChooseFromMenu(u"North", 2);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    // A site's question says what goes with it.
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::DeletePoint) + u" " + Quoted(u"North") + u"?\n"
            + (Russian() ? u"Вместе с ней удаляются её семьи (2) и их записи осмотров (0)."
                         : u"Its colonies (2) and their inspection records (0) are deleted with it."));
    EXPECT_EQ(boxes.Calls()[1].caption, Text(StringId::DeletePoint));
    EXPECT_EQ(Item(u"North"), nullptr);
    EXPECT_EQ(Item(u"Linden"), nullptr);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE id_point = 1"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_point = 1"), 0);
    EXPECT_EQ(ChildLabels(TVI_ROOT), (Labels { u"South", u"Far meadow" }));
    // The deleted site's neighbour takes the selection, and the page follows it.
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"South"));
    EXPECT_EQ(ShownPage(), PageColonies);
    EXPECT_EQ(State().recordId, 2);
}

TEST_P(JournalWindowTest, DeletesFromPagesLeaveThePageAsItIs)
{
    InspectData inspect;
    inspect.record.id_family = 5;
    inspect.record.date = 1700000000;
    const std::int32_t idJournal = journal->AddInspect(inspect);
    ASSERT_GT(idJournal, 0);
    CQueenBeeCache::QueenBee queen;
    queen.name = u"Maja";
    queen.id_family = 5;
    const std::int32_t idQueen = GetJournalHandlers()->queens.Add(queen);
    ASSERT_GT(idQueen, 0);

    ClickItem(u"Linden");
    CWnd* page = Window()->GetDlgItem(IdPage);
    Window()->SendMessage(JournalActionMessage, ActionDeleteInspection, idJournal);
    Window()->SendMessage(JournalActionMessage, ActionDeleteQueen, idQueen);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee"), 0);
    EXPECT_EQ(GetQueenBeeCache()->FindQueenBee(idQueen), nullptr);
    EXPECT_EQ(Window()->GetDlgItem(IdPage), page);
    EXPECT_EQ(State().page, PageInspections);
    EXPECT_EQ(State().recordId, 5);

    Window()->SendMessage(JournalActionMessage, ActionDeleteColony, 5);
    EXPECT_EQ(Item(u"Linden"), nullptr);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 5"), 0);
    // A deleted colony leaves the selection to its site, still open, with its colonies listed.
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"North"));
    EXPECT_TRUE(Tree()->IsExpanded(Item(u"North")));
    EXPECT_EQ(ShownPage(), PageColonies);
    EXPECT_EQ(State().recordId, 1);
}

TEST_P(JournalWindowTest, ARebuiltTreeKeepsItsOpenSitesSelectionAndScroll)
{
    for (int site = 0; site < 100; ++site) {
        PointData point;
        point.name = u"Yard " + IntToText(100 + site);
        ASSERT_GT(journal->AddPoint(point), 0);
    }
    ClickItem(u"Heather");
    ClickItem(u"Acacia");
    Tree()->SetFirstVisibleItem(Item(u"Far meadow"));
    UiTest::ProcessEvents();
    const HTREEITEM top = Tree()->GetFirstVisibleItem();
    ASSERT_EQ(top, Item(u"Far meadow"));
    CWnd* page = Window()->GetDlgItem(IdPage);

    // A change elsewhere rebuilds the tree.
    ASSERT_TRUE(journal->RenamePoint(2, u"South slope"));
    UiTest::ProcessEvents();
    EXPECT_TRUE(Tree()->IsExpanded(Item(u"North")));
    EXPECT_TRUE(Tree()->IsExpanded(Item(u"Far meadow")));
    EXPECT_FALSE(Tree()->IsExpanded(Item(u"South slope")));
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"Acacia"));
    EXPECT_EQ(Tree()->GetFirstVisibleItem(), Item(u"Far meadow"));
    // The same node is selected: the page is not rebuilt, and a list asked for is the colony's.
    EXPECT_EQ(Window()->GetDlgItem(IdPage), page);
    Window()->SendMessage(JournalActionMessage, ActionShowList, 0);
    EXPECT_EQ(ShownPage(), PageInspections);
    EXPECT_EQ(State().recordId, 3);
}

TEST_P(JournalWindowTest, ContextMenuHasTheEntriesOfTheNodeKindAndRunsThem)
{
    CRect client;
    Tree()->GetClientRect(&client);
    menus.Choose(1);
    UiTest::Click(Tree(), 100, client.bottom - 10, VK_RBUTTON);
    UiTest::ProcessEvents();
    ASSERT_EQ(menus.Calls().size(), 1u);
    EXPECT_EQ(EntriesOf(menus.Calls()[0]), (Entries { { 1, Text(StringId::AddPoint) } }));
    // At the click, from the tree's window origin.
    CRect window;
    Tree()->GetWindowRect(&window);
    EXPECT_EQ(menus.Calls()[0].point.x, window.left + 100);
    EXPECT_EQ(menus.Calls()[0].point.y, window.top + client.bottom - 10);
    EXPECT_EQ(ShownPage(), PageAddSite);
    EXPECT_EQ(State().recordId, 0);

    ChooseFromMenu(u"South", 3);
    ASSERT_EQ(menus.Calls().size(), 2u);
    EXPECT_EQ(EntriesOf(menus.Calls()[1]),
        (Entries { { 4, Text(StringId::AddFamily) }, { 3, Text(StringId::ChangePoint) }, { 2, Text(StringId::DeletePoint) } }));
    EXPECT_EQ(ShownPage(), PageChangeSite);
    EXPECT_EQ(State().recordId, 2);

    ChooseFromMenu(u"Acacia", 7);
    ASSERT_EQ(menus.Calls().size(), 3u);
    EXPECT_EQ(EntriesOf(menus.Calls()[2]),
        (Entries { { 7, Text(StringId::AddInspect) }, { 8, Text(StringId::AddQueenBee) },
            { 5, Text(StringId::ChangeFamily) }, { 6, Text(StringId::DeleteFamily) } }));
    EXPECT_EQ(ShownPage(), PageAddInspection);
    EXPECT_EQ(State().recordId, 3);
    ChooseFromMenu(u"Acacia", 8);
    EXPECT_EQ(ShownPage(), PageAddQueen);
    ChooseFromMenu(u"Acacia", 5);
    EXPECT_EQ(ShownPage(), PageChangeColony);
    EXPECT_EQ(State().recordId, 3);
    // Closing the menu without a choice changes nothing.
    ClickItem(u"Linden", VK_RBUTTON);
    EXPECT_EQ(ShownPage(), PageChangeColony);
    EXPECT_EQ(State().recordId, 5);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(JournalWindowTest, MenuKeyOpensTheMenuOnceAtTheSelectedNode)
{
    ClickItem(u"South");
    const std::size_t before = menus.Calls().size();
    Tree()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Tree()), -1);
    UiTest::ProcessEvents();
    ASSERT_EQ(menus.Calls().size(), before + 1);
    CRect item;
    ASSERT_TRUE(Tree()->GetItemRect(Item(u"South"), &item, TRUE));
    CRect window;
    Tree()->GetWindowRect(&window);
    EXPECT_EQ(menus.Calls().back().point.x, window.left + item.CenterPoint().x);
    EXPECT_EQ(menus.Calls().back().point.y, window.top + item.CenterPoint().y);

    // A mouse's menu message is left alone: the button press opened it already.
    Tree()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Tree()), MAKELPARAM(window.left + 5, window.top + 5));
    EXPECT_EQ(menus.Calls().size(), before + 1);
}

TEST_P(JournalWindowTest, RenamingASiteStoresItFiresOneAndKeepsTheTreesPlace)
{
    EventCounter sites(EventPointsChanged);
    EventCounter colonies(EventFamiliesChanged);
    ClickItem(u"Linden");
    ClickItem(u"North");
    ASSERT_NE(Item(u"Linden"), nullptr);
    CRect place;
    ASSERT_TRUE(Tree()->GetItemRect(Item(u"Linden"), &place, TRUE));

    Tree()->EditLabel(Item(u"North"));
    UiTest::ProcessEvents();
    UiTest::TypeText(nullptr, u"Upper field");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(sites.count, 1);
    EXPECT_EQ(colonies.count, 0);
    EXPECT_EQ(ChildLabels(TVI_ROOT), (Labels { u"Upper field", u"South", u"Far meadow" }));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE id_point = 1 AND name = 'Upper field'"), 1);
    // Rebuilt with the site still open and selected; the page stays.
    EXPECT_TRUE(Tree()->GetItemRect(Item(u"Linden"), &place, TRUE));
    EXPECT_EQ(Tree()->GetSelectedItem(), Item(u"Upper field"));
    EXPECT_EQ(ShownPage(), PageColonies);
    EXPECT_EQ(State().recordId, 1);

    ClickItem(u"Linden");
    Tree()->EditLabel(Item(u"Linden"));
    UiTest::ProcessEvents();
    UiTest::TypeText(nullptr, u"Old lime");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(colonies.count, 1);
    EXPECT_EQ(sites.count, 1);
    EXPECT_EQ(ChildLabels(Item(u"Upper field")), (Labels { u"Acacia", u"Old lime" }));
}

TEST_P(JournalWindowTest, EmptyOrUnchangedNamesAreRefused)
{
    EventCounter sites(EventPointsChanged);
    ClickItem(u"South");
    Tree()->EditLabel(Item(u"South"));
    UiTest::ProcessEvents();
    UiTest::KeyPress(nullptr, VK_BACK);
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(Tree()->GetItemText(Item(u"South")), u"South");

    Tree()->EditLabel(Item(u"South"));
    UiTest::ProcessEvents();
    UiTest::TypeText(nullptr, u"South");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();

    // Spaces alone are no name either.
    Tree()->EditLabel(Item(u"South"));
    UiTest::ProcessEvents();
    UiTest::TypeText(nullptr, u"   ");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();

    Tree()->EditLabel(Item(u"South"));
    UiTest::ProcessEvents();
    UiTest::TypeText(nullptr, u"Ridge");
    UiTest::KeyPress(nullptr, VK_ESCAPE);
    UiTest::ProcessEvents();

    EXPECT_EQ(sites.count, 0);
    EXPECT_EQ(Tree()->GetItemText(Item(u"South")), u"South");
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE name = 'South'"), 1);

    // The same editing with a new name is taken.
    Tree()->EditLabel(Item(u"South"));
    UiTest::ProcessEvents();
    UiTest::TypeText(nullptr, u"Ridge");
    UiTest::KeyPress(nullptr, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(sites.count, 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE name = 'Ridge'"), 1);
}

TEST_P(JournalWindowTest, IdsAbove65535NameTheirOwnRecords)
{
    ClickItem(u"Far meadow");
    EXPECT_EQ(State().recordId, kFarMeadow);
    EXPECT_EQ(ShownPage(), PageColonies);
    ClickItem(u"Heather");
    EXPECT_EQ(State().recordId, kHeather);
    ChooseFromMenu(u"Heather", 5);
    EXPECT_EQ(State().recordId, kHeather);

    boxes.Answer(IDYES);
    ChooseFromMenu(u"Far meadow", 2);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE id_point = 65537"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE id_family = 70000"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE id_point = 1"), 1);
    EXPECT_EQ(ChildLabels(TVI_ROOT), (Labels { u"North", u"South" }));
    EXPECT_EQ(ChildLabels(Item(u"North")), (Labels { u"Acacia", u"Linden" }));
}

TEST_P(JournalWindowTest, ToolbarHasTwoGroupsOfFourButtonsWithOnlyTheUnhandledOneDisabled)
{
    auto* bar = dynamic_cast<CToolBar*>(Window()->GetDlgItem(0xE800));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetCount(), 9);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar->GetItemID(i), 1110u + static_cast<UINT>(i));
    EXPECT_EQ(bar->GetItemID(4), ID_SEPARATOR);
    for (int i = 5; i < 9; ++i)
        EXPECT_EQ(bar->GetItemID(i), 1109u + static_cast<UINT>(i));
    EXPECT_TRUE(bar->IsButtonEnabled(1110));
    EXPECT_FALSE(bar->IsButtonEnabled(1111));
    EXPECT_TRUE(bar->IsButtonEnabled(1112));
    EXPECT_TRUE(bar->IsButtonEnabled(1113));
    for (UINT command = 1114; command <= 1117; ++command)
        EXPECT_TRUE(bar->IsButtonEnabled(command)) << command;
    EXPECT_EQ(bar->TooltipText(1110), Text(StringId::HousingManagerTitle));
    EXPECT_EQ(bar->TooltipText(1111), u"");
    EXPECT_EQ(bar->TooltipText(1112), Text(StringId::QueenManagerTitle));
    EXPECT_EQ(bar->TooltipText(1113), Text(StringId::SettingsName));
    EXPECT_EQ(bar->TooltipText(1114), Text(StringId::ToolbarPrint));
    EXPECT_EQ(bar->TooltipText(1115), Text(StringId::ToolbarExport));
    EXPECT_EQ(bar->TooltipText(1116), Text(StringId::ToolbarCharts));
    EXPECT_EQ(bar->TooltipText(1117), Text(StringId::ToolbarBackups));
    EXPECT_EQ(PlaceIn(bar, Window()).top, 0);

    CWnd* settingsWindow = dynamic_cast<CWnd*>(settings->GetVisualComponent()->GetWindow());
    ASSERT_NE(settingsWindow, nullptr);
    CRect button;
    bar->GetItemRect(1, &button);
    UiTest::Click(bar, button.CenterPoint().x, button.CenterPoint().y);
    UiTest::ProcessEvents();
    EXPECT_FALSE(settingsWindow->IsCreated());
    bar->GetItemRect(3, &button);
    UiTest::Click(bar, button.CenterPoint().x, button.CenterPoint().y);
    ASSERT_TRUE(UiTest::WaitUntil([&] { return settingsWindow->IsCreated(); }));
}

TEST_P(JournalWindowTest, ReopeningShowsTheSitesPageAndAFreshTree)
{
    ChooseFromMenu(u"North", 4);
    EXPECT_EQ(ShownPage(), PageAddColony);
    Window()->SendMessage(WM_CLOSE);
    UiTest::ProcessEvents();
    ASSERT_FALSE(Window()->IsCreated());
    journal->GetVisualComponent()->Show();
    UiTest::ProcessEvents();
    ASSERT_TRUE(Window()->IsCreated());
    EXPECT_EQ(ShownPage(), PageSites);
    EXPECT_EQ(State().recordId, 0);
    EXPECT_EQ(ChildLabels(TVI_ROOT), (Labels { u"North", u"South", u"Far meadow" }));
    ClickItem(u"Acacia");
    EXPECT_EQ(ShownPage(), PageInspections);
    EXPECT_EQ(State().recordId, 3);
}

namespace {
// The journal as it stands on main: no page registered yet, so the empty page shows.
class EmptyRegistryTest : public JournalWindowTest
{
protected:
    EmptyRegistryTest()
        : JournalWindowTest({})
    {
    }
};
}

TEST_P(EmptyRegistryTest, EmptyPageFillsThePageAreaInButtonFace)
{
    EXPECT_EQ(ShownPage(), PageEmpty);
    ClickItem(u"Linden");
    EXPECT_EQ(State().page, PageEmpty);
    EXPECT_EQ(State().recordId, 0);
    CWnd* page = Window()->GetDlgItem(IdPage);
    ASSERT_NE(page, nullptr);
    const UiTest::Image picture = UiTest::Grab(page);
    ASSERT_GT(picture.width, 100);
    EXPECT_EQ(picture.At(picture.width / 2, picture.height / 2), GetSysColor(COLOR_BTNFACE));
}

INSTANTIATE_TEST_SUITE_P(Languages, EmptyRegistryTest, ShippedLanguages(), LanguageName);
INSTANTIATE_TEST_SUITE_P(Languages, JournalWindowTest, ShippedLanguages(), LanguageName);
