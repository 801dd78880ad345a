#pragma once

#include "BothLanguages.h"
#include "DatabaseManager.h"
#include "EmptyViewJournal.h"
#include "EventCounter.h"
#include "EventManager.h"
#include "IVisualComponent.h"
#include "JournalComponent.h"
#include "JournalTreeView.h"
#include "LanguageManager.h"
#include "Menu.h"
#include "MessageBox.h"
#include "NavigationWin.h"
#include "Registry.h"
#include "SettingsComponent.h"
#include "SettingsManager.h"
#include "StringIds.h"
#include "Subscription.h"
#include "TabCtrl.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "ToolBar.h"
#include "UiTest.h"
#include "VisualManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// A page that stands for one page of the journal: it accepts and prepares as that page does.
class CTestPage : public CEmptyViewJournal
{
public:
    static constexpr int kAny = -1;

    CTestPage(JournalState* state, int code, int action, int tab = kAny, int kind = kAny)
        : CEmptyViewJournal(state)
        , m_code(code)
        , m_action(action)
        , m_tab(tab)
        , m_kind(kind)
    {
    }

    void Prepare() override
    {
        m_state->page = m_code;
        if (m_code == PageSites || m_code == PageQueensOfAll || m_code == PageAddSite)
            m_state->recordId = 0;
    }
    bool Accepts(int tab, int kind, int action) override
    {
        return action == m_action && (m_tab == kAny || tab == m_tab) && (m_kind == kAny || kind == m_kind);
    }
    int Code() const { return m_code; }

private:
    int m_code;
    int m_action;
    int m_tab;
    int m_kind;
};

// The fourteen pages in registry order.
inline std::vector<PageFactory> TestPages()
{
    struct Rule
    {
        int code, action, tab, kind;
    };
    const Rule rules[] = { { PageSites, 0, 0, 0 }, { PageColonies, 0, 0, 1 }, { PageInspections, 0, 0, 2 },
        { PageAddSite, 1, -1, -1 }, { PageChangeSite, 2, -1, -1 }, { PageAddColony, 4, -1, -1 },
        { PageChangeColony, 5, -1, -1 }, { PageAddInspection, 7, -1, -1 }, { PageChangeInspection, 8, -1, -1 },
        { PageQueensOfAll, 0, 1, 0 }, { PageQueensOfSite, 0, 1, 1 }, { PageQueensOfColony, 0, 1, 2 },
        { PageAddQueen, 10, -1, -1 }, { PageChangeQueen, 11, -1, -1 } };
    std::vector<PageFactory> factories;
    for (const Rule& rule : rules) {
        factories.push_back([rule](JournalState* state, IJournalComponent&) {
            return std::make_unique<CTestPage>(state, rule.code, rule.action, rule.tab, rule.kind);
        });
    }
    return factories;
}

// A journal with three sites (one above the 16-bit ids) and their colonies, and its window open.
class JournalWindowTest : public BothLanguages
{
protected:
    static constexpr std::int32_t kFarMeadow = 65537;
    static constexpr std::int32_t kHeather = 70000;

    explicit JournalWindowTest(std::vector<PageFactory> pages = TestPages())
        : registry(FromPath(dir.Path() / "config"))
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetDatabaseManager()->Initialize();
        Run(u"INSERT INTO points(id_point, name, note, id_record) VALUES(1, 'North', '', 0), (2, 'South', '', 0), "
            u"(65537, 'Far meadow', '', 0)");
        Run(u"INSERT INTO families(id_family, name, id_point, type, note, id_record) VALUES(5, 'Linden', 1, 0, '', 0), "
            u"(3, 'Acacia', 1, 0, '', 0), (70000, 'Heather', 65537, 0, '', 0), (1, 'Clover', 65537, 0, '', 0)");
        settings = new CSettingsComponent();
        settings->Create();
        journal = new CJournalComponent(std::move(pages));
        journal->Create();
        GetSettingsManager()->Initialize({ settings, journal });
        GetVisualManager()->LoadComponents({ settings, journal });
        ChooseLanguage();
        GetLanguageManager()->Initialize();
        journal->GetVisualComponent()->Show();
        UiTest::ProcessEvents(20);
    }
    ~JournalWindowTest() override
    {
        GetSettingsManager()->Initialize({});
        settings->Release();
        journal->Release();
        DeleteVisualManager();
    }

    static void Run(const std::u16string& sql)
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, sql);
    }
    static RowList Rows(const std::u16string& sql)
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, sql);
        return rows;
    }
    static int Count(const std::u16string& sql)
    {
        const RowList rows = Rows(sql);
        return rows.empty() ? -1 : WToI(rows[0][0].second);
    }
    static std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    CWnd* Window() { return dynamic_cast<CWnd*>(journal->GetVisualComponent()->GetWindow()); }
    CNavigationWin* Tree() { return dynamic_cast<CNavigationWin*>(Window()->GetDlgItem(IdNavigationTree)); }
    CTabCtrl* Tabs() { return dynamic_cast<CTabCtrl*>(Window()->GetDlgItem(IdTabControl)); }
    CJournalTreeView* View() { return dynamic_cast<CJournalTreeView*>(journal->FindView(Text(StringId::TreeViewStyleName))); }
    const JournalState& State() { return View()->State(); }
    // The code of the page the window shows, 0 for the empty page, -1 when none shows.
    int ShownPage()
    {
        CWnd* page = Window()->GetDlgItem(IdPage);
        if (!page)
            return -1;
        auto* test = dynamic_cast<CTestPage*>(page);
        return test ? test->Code() : PageEmpty;
    }

    // The node with that label, sites first, then colonies.
    HTREEITEM Item(const std::u16string& text)
    {
        CNavigationWin* tree = Tree();
        for (HTREEITEM site = tree->GetRootItem(); site; site = tree->GetNextSiblingItem(site)) {
            if (tree->GetItemText(site) == text)
                return site;
            for (HTREEITEM colony = tree->GetChildItem(site); colony; colony = tree->GetNextSiblingItem(colony)) {
                if (tree->GetItemText(colony) == text)
                    return colony;
            }
        }
        return nullptr;
    }
    std::vector<std::u16string> ChildLabels(HTREEITEM parent)
    {
        std::vector<std::u16string> labels;
        for (HTREEITEM item = Tree()->GetChildItem(parent); item; item = Tree()->GetNextSiblingItem(item))
            labels.push_back(Tree()->GetItemText(item));
        return labels;
    }
    // Clicks the node's label, opening its site first when the node is a colony.
    void ClickItem(const std::u16string& text, UINT button = VK_LBUTTON)
    {
        HTREEITEM item = Item(text);
        ASSERT_NE(item, nullptr);
        if (HTREEITEM site = Tree()->GetParentItem(item))
            Tree()->Expand(site, TVE_EXPAND);
        CRect place;
        ASSERT_TRUE(Tree()->GetItemRect(item, &place, TRUE));
        UiTest::Click(Tree(), place.left + 8, place.CenterPoint().y, button);
        UiTest::ProcessEvents();
    }
    void ClickTab(int tab)
    {
        CRect place;
        ASSERT_TRUE(Tabs()->GetItemRect(tab, &place));
        UiTest::Click(Tabs(), place.CenterPoint().x, place.CenterPoint().y);
        UiTest::ProcessEvents();
    }
    // Clicks the toolbar's button of the command, which must be enabled.
    void ClickToolbarButton(UINT command)
    {
        auto* bar = dynamic_cast<CToolBar*>(Window()->GetDlgItem(0xE800));
        ASSERT_NE(bar, nullptr);
        for (int index = 0; index < bar->GetCount(); ++index) {
            if (bar->GetItemID(index) != command)
                continue;
            ASSERT_TRUE(bar->IsButtonEnabled(command)) << command;
            CRect button;
            bar->GetItemRect(index, &button);
            UiTest::Click(bar, button.CenterPoint().x, button.CenterPoint().y);
            UiTest::ProcessEvents(20);
            return;
        }
        FAIL() << "no button " << command;
    }
    // Opens the node's menu with the right button and chooses the command.
    void ChooseFromMenu(const std::u16string& text, UINT command)
    {
        menus.Choose(command);
        ClickItem(text, VK_RBUTTON);
    }

    TempWorkDir dir;
    RegistryRootOverride registry;
    MessageBoxResponder boxes;
    MenuResponder menus;
    CSettingsComponent* settings = nullptr;
    CJournalComponent* journal = nullptr;
};
