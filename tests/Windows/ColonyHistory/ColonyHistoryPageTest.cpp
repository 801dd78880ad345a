#include "../JournalWindowFixture.h"
#include "Calendar.h"
#include "ColonyEventCache.h"
#include "ColonyHistoryView.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "SchemaMigrations.h"

namespace {
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
}

TEST_P(ColonyHistoryPageTest, ListsEventsAndRecordsInDateOrderUnderTheLineage)
{
    ASSERT_NE(splitEvent, 0);
    ShowHistory(u"Linden");
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(State().page, PageColonyHistory);
    EXPECT_EQ(Column(1280), (Labels { u"10.05.2025", u"12.05.2025" }));
    const Labels what = Column(1281);
    ASSERT_EQ(what.size(), 2u);
    EXPECT_EQ(what[0], ReplaceAll(ReplaceAll(Text(StringId::HistoryInspection), u"%1", u"9"), u"%2", u"7"));
    EXPECT_NE(what[1].find(Quoted(u"Linden II")), std::u16string::npos);
    EXPECT_NE(what[1].find(u"South"), std::u16string::npos);
    EXPECT_NE(what[1].find(Text(StringId::DaughterQueenCell)), std::u16string::npos);
    EXPECT_EQ(Column(1282), (Labels { u"calm", u"strong" }));
    EXPECT_EQ(Links(), Labels { u"Linden II" });
    EXPECT_TRUE(UndoButton()->IsWindowEnabled());

    // The daughter's link shows her history, which names her mother.
    ClickLink(u"Linden II");
    EXPECT_EQ(Tree()->SelectedNode().id, daughter);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->Colony(), daughter);
    EXPECT_EQ(Links(), Labels { u"Linden" });
    ASSERT_EQ(Column(1281).size(), 1u);
    EXPECT_NE(Column(1281)[0].find(Quoted(u"Linden")), std::u16string::npos);
    ClickLink(u"Linden");
    EXPECT_EQ(Tree()->SelectedNode().id, kLinden);
}

TEST_P(ColonyHistoryPageTest, UndoAsksFirstThenTakesTheSplitBackAndGreysItself)
{
    ShowHistory(u"Linden");
    boxes.Answer(IDNO);
    ClickUndo();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(Text(StringId::EventKindSplit)), std::u16string::npos);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events"), 1);

    boxes.Answer(IDYES);
    ClickUndo();
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE name='Linden II'"), 0);
    EXPECT_EQ(Item(u"Linden II"), nullptr);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Column(1280), Labels { u"10.05.2025" });
    EXPECT_TRUE(Links().empty());
    EXPECT_FALSE(UndoButton()->IsWindowEnabled());
}

TEST_P(ColonyHistoryPageTest, AnUndoTheJournalRefusesIsSaidInTheLanguageAndChangesNothing)
{
    // A record of the daughter would go with the split's undo.
    InspectData inspect;
    inspect.record.id_family = daughter;
    inspect.record.date = Day(u"20.05.2025");
    journal->AddInspect(inspect);
    ShowHistory(u"Linden II");
    ASSERT_EQ(Column(1280), (Labels { u"12.05.2025", u"20.05.2025" }));
    boxes.Answer(IDYES);
    ClickUndo();
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::EventRefusalChangedSince));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families WHERE name='Linden II'"), 1);
    EXPECT_EQ(Page()->Colony(), daughter);
}

TEST_P(ColonyHistoryPageTest, ARecordAddedWhileShownAppearsInItsPlace)
{
    ShowHistory(u"Linden");
    InspectData inspect;
    inspect.record.id_family = kLinden;
    inspect.record.date = Day(u"11.05.2025");
    journal->AddInspect(inspect);
    UiTest::ProcessEvents();
    EXPECT_EQ(Column(1280), (Labels { u"10.05.2025", u"11.05.2025", u"12.05.2025" }));
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyHistoryPageTest, ShippedLanguages(), LanguageName);
