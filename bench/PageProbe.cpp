// Runs the program's own start-up on the journal in the working directory, opens the journal
// window and times what a beekeeper waits for, from the click in the tree until the window is
// painted: the site with the most colonies (its colonies page), the colony with the most records
// (its records page), and both on the charts tab. Each is shown RUNS times (default 5), alternating
// with the other so that every click changes the page; medians in ms. With RECORDS, the busiest
// colony is first given older records (copies of its latest one with its hive lines) until it has
// that many. Used by scripts/bench.sh.
//
//   tolvik_page_probe [RUNS [RECORDS]]

#include "DatabaseManager.h"
#include "EntryPoint.h"
#include "IVisualComponent.h"
#include "IWnd.h"
#include "JournalCodes.h"
#include "Median.h"
#include "MessageBox.h"
#include "NavigationWin.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "TabCtrl.h"
#include "Text.h"
#include "UiTest.h"
#include "VisualManager.h"
#include "WinApp.h"
#include "Wnd.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int g_runs = 5;

// The id in the first column of the first row the query returns, 0 when none.
std::int32_t FirstId(const std::u16string& sql)
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, sql);
    return rows.empty() || rows[0].empty() ? 0 : WToI(rows[0][0].second);
}

class Probe
{
public:
    explicit Probe(CWnd* window)
        : m_window(window)
        , m_tree(dynamic_cast<CNavigationWin*>(window->GetDlgItem(IdNavigationTree)))
        , m_tabs(dynamic_cast<CTabCtrl*>(window->GetDlgItem(IdTabControl)))
    {
    }

    bool Ready() const { return m_tree && m_tabs; }

    // Selects the node as the arrow keys do and waits until the window has painted what it leads to.
    double Show(const CNavigationWin::Node& node)
    {
        const HTREEITEM item = m_tree->ItemOf(node);
        if (const HTREEITEM site = m_tree->GetParentItem(item))
            m_tree->Expand(site, TVE_EXPAND);
        const Clock::time_point start = Clock::now();
        m_tree->SelectItem(item);
        UiTest::ProcessEvents();
        UiTest::Grab(m_window);
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    void ChooseTab(int tab)
    {
        CRect place;
        m_tabs->GetItemRect(tab, &place);
        UiTest::Click(m_tabs, place.CenterPoint().x, place.CenterPoint().y);
        UiTest::ProcessEvents();
    }

    // Medians of showing one node and then the other, each RUNS times.
    std::pair<double, double> Alternate(const CNavigationWin::Node& first, const CNavigationWin::Node& second)
    {
        std::vector<double> firsts;
        std::vector<double> seconds;
        for (int run = 0; run < g_runs; ++run) {
            firsts.push_back(Show(first));
            seconds.push_back(Show(second));
        }
        return { Median(firsts), Median(seconds) };
    }

private:
    CWnd* m_window;
    CNavigationWin* m_tree;
    CTabCtrl* m_tabs;
};

// Older records for the colony with the most, one a day before its first, until it has `records`.
bool GrowBusiestColony(int records)
{
    sqlite3* db = nullptr;
    if (sqlite3_open("Journal.db", &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const std::string sql = "CREATE TEMP TABLE busiest AS SELECT id_family, COUNT(*) AS n, MAX(id_journal) AS latest, "
        "(SELECT MAX(id_journal) FROM journal) AS top FROM journal GROUP BY id_family ORDER BY n DESC LIMIT 1;"
        "BEGIN;"
        "WITH RECURSIVE day(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM day WHERE i < "
        + std::to_string(records) + " - (SELECT n FROM busiest)) "
        "INSERT INTO journal(id_family, date, frame, strength, is_queen_bee, wax, ambrosia, evacuation, dieting, "
        "disease, note, id_record) SELECT j.id_family, strftime('%d.%m.%Y 00:00:00', '2000-01-01', '-' || i || ' days'), "
        "j.frame, j.strength, j.is_queen_bee, j.wax, j.ambrosia, j.evacuation, j.dieting, j.disease, j.note, NULL "
        "FROM day, journal j WHERE j.id_journal = (SELECT latest FROM busiest);"
        "INSERT INTO inspect SELECT j.id_journal, i.id_housing, i.name_housing, i.honey, i.brood, i.open_brood, "
        "i.close_brood, i.goods_honey FROM journal j, inspect i WHERE j.id_journal > (SELECT top FROM busiest) "
        "AND i.id_journal = (SELECT latest FROM busiest);"
        "COMMIT;";
    const bool done = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

void Measure()
{
    UiTest::ProcessEvents();
    IVisualComponent* journal = GetVisualManager()->FindComponent(StringId::JournalName);
    if (!journal) {
        std::printf("no journal component\n");
        PostQuitMessage(1);
        return;
    }
    const Clock::time_point opening = Clock::now();
    journal->Show();
    UiTest::ProcessEvents();
    auto* window = dynamic_cast<CWnd*>(journal->GetWindow());
    if (window)
        UiTest::Grab(window);
    const double openMs = std::chrono::duration<double, std::milli>(Clock::now() - opening).count();
    Probe probe(window);
    const std::int32_t site = FirstId(u"SELECT id_point FROM families GROUP BY id_point ORDER BY COUNT(*) DESC LIMIT 1");
    const std::int32_t colony = FirstId(u"SELECT id_family FROM journal GROUP BY id_family ORDER BY COUNT(*) DESC LIMIT 1");
    if (!window || !probe.Ready() || !site || !colony) {
        std::printf("no journal window, site or colony to show\n");
        PostQuitMessage(1);
        return;
    }
    const CNavigationWin::Node siteNode { site, NodeSite };
    const CNavigationWin::Node colonyNode { colony, NodeColony };
    const std::size_t colonies = GetPointFamilyCache()->FamiliesOf(site).size();
    const int records = FirstId(u"SELECT COUNT(*) FROM journal WHERE id_family=" + IntToText(colony));

    const auto [sitePage, colonyPage] = probe.Alternate(siteNode, colonyNode);
    probe.ChooseTab(kChartsTab);
    const auto [siteChart, colonyChart] = probe.Alternate(siteNode, colonyNode);

    std::printf("journal window opened          %8.1f ms\n", openMs);
    std::printf("colonies page (%5zu colonies)  %8.1f ms\n", colonies, sitePage);
    std::printf("records page  (%5d records)   %8.1f ms\n", records, colonyPage);
    std::printf("site chart                     %8.1f ms\n", siteChart);
    std::printf("colony chart                   %8.1f ms\n", colonyChart);
    std::fflush(stdout);
    PostQuitMessage(0);
}
}

int main(int argc, char** argv)
{
    if (argc > 1)
        g_runs = std::max(1, std::atoi(argv[1]));
    if (argc > 2 && !GrowBusiestColony(std::atoi(argv[2]))) {
        std::printf("the journal could not be given the records\n");
        return 1;
    }
    // A message box would wait for a user who is not there; a journal that needs one is no measure.
    MessageBoxResponder boxes;
    EnsureToolkit();
    UiTest::RunFromLoop(Measure);
    return RunTolvik();
}
