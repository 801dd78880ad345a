#pragma once

#include "WinDefs.h"
#include "WinMessages.h"

#include <cstdint>

// What a navigation node stands for.
enum NodeKind : int
{
    NodeNone = 0,
    NodeSite = 1,
    NodeColony = 2,
};

// The first parameter of JournalActionMessage; the second is the record id sent with it.
enum ActionCode : int
{
    ActionShowList = 0,
    ActionAddSite = 1,
    ActionChangeSite = 2,
    ActionDeleteSite = 3,
    ActionAddColony = 4,
    ActionChangeColony = 5,
    ActionDeleteColony = 6,
    ActionAddInspection = 7,
    ActionChangeInspection = 8,
    ActionDeleteInspection = 9,
    ActionAddQueen = 10,
    ActionChangeQueen = 11,
    ActionDeleteQueen = 12,
    // The winter losses of a site (its id) or of all sites (0), on the charts tab.
    ActionShowWinterLosses = 13,
    // Selects the colony (the id) in the tree and shows its page of the tab shown (a lineage link).
    ActionShowColony = 14,
    // The mite counts of a colony, a site or all sites (the id of the colony or site, or 0), on the
    // charts tab.
    ActionShowVarroa = 15,
};

// The page a journal view shows: codes up to PageQueensOfColony are list pages, the forms follow,
// and the charts, the history and the colony family tree after them follow the tree as the lists do.
enum PageCode : int
{
    PageEmpty = 0,
    PageSites = 1,
    PageColonies = 2,
    PageInspections = 3,
    PageQueensOfAll = 4,
    PageQueensOfSite = 5,
    PageQueensOfColony = 6,
    PageAddSite = 7,
    PageChangeSite = 8,
    PageAddColony = 9,
    PageChangeColony = 10,
    PageAddInspection = 11,
    PageChangeInspection = 12,
    PageAddQueen = 13,
    PageChangeQueen = 14,
    PageColonyChart = 15,
    PageSiteChart = 16,
    PageAllSitesChart = 17,
    PageWinterLosses = 18,
    PageColonyTree = 19,
    PageColonyHistory = 20,
    PageColonyVarroa = 21,
    // The latest mite counts of a site's colonies, or the colonies above threshold of all sites.
    PageVarroaStanding = 22,
    // A month of the tasks and of what was done, on the calendar tab.
    PageCalendar = 23,
};

constexpr int kLastListPage = PageQueensOfColony;

// A page that the tree's selection replaces; a form stays open instead.
constexpr bool FollowsTree(int page)
{
    return page <= kLastListPage || page >= PageColonyChart;
}

// The tabs of the journal window.
constexpr int kRecordsTab = 0;
constexpr int kQueensTab = 1;
constexpr int kChartsTab = 2;
constexpr int kHistoryTab = 3;
constexpr int kFamilyTreeTab = 4;
constexpr int kCalendarTab = 5;

// Shared by one journal view and all its pages.
struct JournalState
{
    std::int32_t page = PageEmpty;
    std::int32_t recordId = 0;
};

constexpr int IdTabControl = 12288;
constexpr int IdNavigationTree = 12304;
constexpr int IdTreeFilter = 12305;
// The command that opens the tree's filter box (Ctrl+F anywhere in the journal window).
constexpr int IdFindInTree = 12306;
// The check box above the tree that hides the colonies that have ended.
constexpr int IdHideEnded = 12307;
// The count of the tasks due, right of the tabs, that opens their list.
constexpr int IdDueButton = 12308;
constexpr int IdPage = 12320;

// The child controls of a page. A page is a list, a form or a queen page, never two of them, so
// the kinds share numbers.
enum PageControlId : int
{
    // A list page's buttons, and the queen records page's.
    IdAddButton = 12321,
    IdDeleteButton = 12322,
    IdChangeButton = 12323,
    // A list page's scroll bars, and those of the hive lines below the records.
    IdGridHorizontalBar = 12324,
    IdGridVerticalBar = 12325,
    IdLowerGridHorizontalBar = 12326,
    IdLowerGridVerticalBar = 12327,
    // A queen page's scroll bars.
    IdQueensHorizontalBar = 12326,
    IdQueensVerticalBar = 12327,
    // The colony family tree's scroll bars.
    IdTreeHorizontalBar = 12326,
    IdTreeVerticalBar = 12327,
    // A form's buttons and scroll bar.
    IdSaveButton = 12324,
    IdCancelButton = 12325,
    IdFormScrollBar = 12327,
    IdSaveNextButton = 12328,
};
constexpr UINT JournalActionMessage = WM_USER + 10;

// The page's place in the journal window below the toolbar and the tab strip, right of the tree.
constexpr int kJournalToolbarHeight = 40;
constexpr int kNavigationTreeWidth = 200;
constexpr int kTreeFilterHeight = 24;
constexpr int kTabStripHeight = 24;
