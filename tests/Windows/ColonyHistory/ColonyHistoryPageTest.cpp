#include "ColonyHistoryFixture.h"
#include "FileDialog.h"
#include "JournalToolbar.h"
#include "PdfText.h"
#include "Printers.h"
#include "PrintJob.h"

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

TEST_P(ColonyHistoryPageTest, PrintsItsRowsUnderItsTitleWithTheLineage)
{
    PrinterListOverride printers({ u"Yard printer" }, u"Yard printer");
    ShowHistory(u"Linden");
    const std::string pdf = (dir.Path() / "history.pdf").string();
    PrintResponder print(PrintResponder::Choice::Print, FromPath(pdf));
    ClickToolbarButton(CJournalToolbar::IdPrint);
    const std::vector<std::string> texts = PdfPageTexts(pdf);
    ASSERT_EQ(texts.size(), 1u);
    for (const std::u16string& shown : { Text(StringId::HistoryTab) + u": Linden (North)",
             Text(StringId::HistoryDaughters) + u" Linden II", std::u16string(u"10.05.2025"), std::u16string(u"calm") })
        EXPECT_NE(texts[0].find(ToUtf8(shown)), std::string::npos) << ToUtf8(shown);
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyHistoryPageTest, ShippedLanguages(), LanguageName);
