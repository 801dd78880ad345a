#pragma once

#include "JournalWindowFixture.h"
#include "Calendar.h"
#include "ColonyEventCache.h"
#include "ColonyHistoryView.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "SchemaMigrations.h"

using Labels = std::vector<std::u16string>;

// The journal window with its real pages on a journal at the last schema step: Linden (site North)
// has a record of 10 May and on 12 May gave a split, Linden II, at site South.
class ColonyHistoryPageTest : public JournalWindowTest
{
protected:
    ColonyHistoryPageTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetColonyEventCache()->Load(CDatabaseLease().get());
        InspectData inspect;
        inspect.record.id_family = kLinden;
        inspect.record.date = Day(u"10.05.2025");
        inspect.record.frame = 9;
        inspect.record.strength = 7;
        inspect.record.note = u"calm";
        journal->AddInspect(inspect);
        CSplitColonyOperation::content split;
        split.id_family = kLinden;
        split.date = Day(u"12.05.2025");
        split.note = u"strong";
        split.name = u"Linden II";
        split.id_point = 2;
        split.brood_frames = 3;
        split.honey_frames = 2;
        split.bee_frames = 1;
        split.daughter_queen = DaughterQueen::QueenCell;
        splitEvent = GetJournalHandlers()->colonyEvents.Split(split);
        daughter = split.id_daughter;
        UiTest::ProcessEvents();
    }

    static std::int64_t Day(const std::u16string& text) { return ParseDateText(text + u" 00:00:00"); }

    CColonyHistoryView* Page() { return dynamic_cast<CColonyHistoryView*>(Window()->GetDlgItem(IdPage)); }
    CWnd* UndoButton() { return Page()->GetDlgItem(CColonyHistoryView::IdUndoButton); }

    // The colony's history as shown: its tree node selected, the History tab.
    void ShowHistory(const std::u16string& colony)
    {
        ClickItem(colony);
        ClickTab(kHistoryTab);
    }

    Labels Column(int column)
    {
        Labels texts;
        CTableDrawer& grid = Page()->Grid().Drawer();
        for (const auto& row : grid.Rows())
            texts.push_back(grid.GetCellText(row.get(), column));
        return texts;
    }

    Labels Links()
    {
        Labels links;
        for (const auto& piece : Page()->Lineage()) {
            if (piece.idFamily)
                links.push_back(piece.text);
        }
        return links;
    }

    void ClickLink(const std::u16string& text)
    {
        for (const auto& piece : Page()->Lineage()) {
            if (piece.idFamily && piece.text == text) {
                UiTest::Click(Page(), piece.place.CenterPoint().x, piece.place.CenterPoint().y);
                UiTest::ProcessEvents(20);
                return;
            }
        }
        FAIL() << "no link";
    }

    void ClickUndo()
    {
        CRect place;
        UndoButton()->GetClientRect(&place);
        UiTest::Click(UndoButton(), place.CenterPoint().x, place.CenterPoint().y);
        UiTest::ProcessEvents(20);
    }

    static constexpr std::int32_t kLinden = 5;
    std::int32_t splitEvent = 0;
    std::int32_t daughter = 0;
};
