#include "JournalWindowFixture.h"

#include "ChartPixels.h"
#include "../ColonyEvents.h"
#include "AllSitesChartView.h"
#include "Button.h"
#include "ColonyChartView.h"
#include "ColonyEventWords.h"
#include "CsvRows.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "JournalData.h"
#include "JournalPages.h"
#include "JournalToolbar.h"
#include "Menu.h"
#include "PdfText.h"
#include "PrintJob.h"
#include "SiteChartView.h"
#include "SplitColonyOperation.h"
#include "WinterLossView.h"

namespace {
constexpr std::int32_t kLinden = 5;
constexpr std::int32_t kAcacia = 3;

// The journal window with the program's pages; the colonies' events run as their handler will.
class ColonyEventChartsTest : public JournalWindowTest
{
protected:
    ColonyEventChartsTest()
        : JournalWindowTest(JournalPageFactories())
    {
    }

    void AddRecord(std::int32_t idFamily, const char16_t* day, int strength)
    {
        InspectData inspect;
        inspect.record.id_family = idFamily;
        inspect.record.date = ParseDateText(day);
        inspect.record.strength = strength;
        inspect.record.frame = 10;
        inspect.record.hives = { { 0, u"Hive", 3, 2, 0, 0, 0 } };
        ASSERT_NE(journal->AddInspect(inspect), 0);
    }

    template <typename Page>
    Page* Shown()
    {
        return dynamic_cast<Page*>(Window()->GetDlgItem(IdPage));
    }
    UiTest::Image Picture() { return UiTest::Grab(Window()->GetDlgItem(IdPage)); }
    void ClickSwitch()
    {
        auto* button = dynamic_cast<CButton*>(Window()->GetDlgItem(IdPage)->GetDlgItem(CChartView::IdSwitch));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsWindowVisible());
        CRect place;
        button->GetClientRect(&place);
        UiTest::Click(button, place.CenterPoint().x, place.CenterPoint().y);
        UiTest::ProcessEvents(20);
    }
};
}

TEST_P(ColonyEventChartsTest, TheColonyChartMarksEachEventAtItsDateAndFollowsNewEvents)
{
    AddRecord(kLinden, u"01.04.2024", 4);
    AddRecord(kLinden, u"01.08.2024", 8);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    Picture();
    EXPECT_TRUE(page->Chart().Marks().empty());
    EXPECT_TRUE(page->Layout().marks.empty());

    // A split in between: the shown chart reads it on the colonies' event alone.
    CSplitColonyOperation split;
    split.record.id_family = kLinden;
    split.record.date = ParseDateText(u"15.05.2024");
    split.record.name = u"Linden II";
    split.record.id_point = 1;
    split.record.brood_frames = 3;
    ASSERT_NE(RunColonyEvent(split), 0);
    ASSERT_EQ(page->Chart().Marks().size(), 1u);
    EXPECT_EQ(page->Chart().Marks()[0].label, EventKindWord(ColonyEventKind::Split));
    EXPECT_EQ(page->Chart().Marks()[0].label, Text(StringId::EventMarkSplit));
    UiTest::Image picture = Picture();
    ASSERT_EQ(page->Layout().marks.size(), 1u);
    const RECT mark = page->Layout().marks[0];
    const int middle = (page->Layout().inner.left + page->Layout().inner.right) / 2;
    // 15 May lies before the middle between 1 April and 1 August.
    EXPECT_GT(mark.left, page->Layout().inner.left + 10);
    EXPECT_LT(mark.left, middle);
    EXPECT_GT(PixelsIn(picture, mark, CColonyChart::MarkColour), 20);

    // A loss after the last record stretches the dates to it: its mark is at the right edge.
    ASSERT_NE(LoseColony(kLinden, u"01.12.2024"), 0);
    ASSERT_EQ(page->Chart().Marks().size(), 2u);
    EXPECT_EQ(page->Chart().Marks()[1].label, Text(StringId::EventMarkLoss));
    picture = Picture();
    ASSERT_EQ(page->Layout().marks.size(), 2u);
    EXPECT_LE(page->Layout().marks[1].left, page->Layout().inner.right);
    EXPECT_GE(page->Layout().marks[1].right, page->Layout().inner.right);
    EXPECT_GT(PixelsIn(picture, page->Layout().marks[1], CColonyChart::MarkColour), 20);
    // The daughter's chart marks the split that made it.
    ClickTab(kRecordsTab);
    ClickItem(u"Linden II");
    ClickTab(kChartsTab);
    ASSERT_NE(Shown<CColonyChartView>(), nullptr);
    ASSERT_EQ(Shown<CColonyChartView>()->Chart().Marks().size(), 1u);
    EXPECT_EQ(Shown<CColonyChartView>()->Chart().Marks()[0].date, ParseDateText(u"15.05.2024"));
}

TEST_P(ColonyEventChartsTest, TheWinterLossesPageCountsEachWinterPrintsAndExports)
{
    AddRecord(kLinden, u"10.06.2022", 6);
    AddRecord(kAcacia, u"10.06.2022", 7);
    ASSERT_NE(LoseColony(kLinden, u"15.01.2023", LossCause::Varroa), 0);
    ClickItem(u"North");
    ClickTab(kChartsTab);
    ASSERT_NE(Shown<CSiteChartView>(), nullptr);
    ClickSwitch();
    CWinterLossView* page = Shown<CWinterLossView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(State().page, PageWinterLosses);
    EXPECT_EQ(page->ChartTitle(), u"North \u2014 " + Text(StringId::WinterLossesTitle));
    const std::vector<std::vector<std::u16string>> rows = page->TableRows();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::u16string> { Text(StringId::WinterLossSeason), Text(StringId::WinterLossAlive),
                           Text(StringId::WinterLossLost), Text(StringId::WinterLossPercent),
                           Text(StringId::WinterLossCauses) }));
    // The latest winter first; the first winter last, with its loss.
    EXPECT_EQ(rows.back(),
        (std::vector<std::u16string> { u"2022/23", u"2", u"1", u"50.0", Text(StringId::LossCauseVarroa) + u" 1" }));
    EXPECT_EQ(rows[rows.size() - 2], (std::vector<std::u16string> { u"2023/24", u"1", u"0", u"0.0", u"" }));
    Picture();
    ASSERT_EQ(page->Bars().size(), rows.size() - 1);
    EXPECT_GT(page->Bars().back().right - page->Bars().back().left, 0);
    EXPECT_EQ(page->Bars().front().right, page->Bars().front().left);

    // On paper, one sheet with the table.
    const std::string pdf = (dir.Path() / "winters.pdf").string();
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    ClickToolbarButton(CJournalToolbar::IdPrint);
    ASSERT_EQ(responder.Requests().size(), 1u);
    const std::vector<std::string> sheets = PdfPageTexts(pdf);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_NE(sheets[0].find(ToUtf8(Text(StringId::WinterLossesTitle))), std::string::npos);
    EXPECT_NE(sheets[0].find("2022/23"), std::string::npos) << sheets[0];

    // As CSV, the rows as shown.
    FileDialogResponder files;
    menus.Choose(CExportCommand::IdCurrentTable);
    const std::filesystem::path file = dir.Path() / "winters.csv";
    files.Answer(FromPath(file));
    CExportCommand(Window(), page, PageWinterLosses).Run({});
    ASSERT_EQ(files.Calls().size(), 1u);
    EXPECT_EQ(ToPath(files.Calls()[0].initialPath).filename(), ToPath(Text(StringId::WinterLossesTitle) + u".csv"));
    bool failure = false;
    EXPECT_EQ(ParseCsv(ReadFileBytes(file.string()), failure, Russian() ? ';' : ','), rows);
    EXPECT_FALSE(failure);

    // Another site keeps the page; its colonies have no records, so no winter.
    ClickItem(u"Far meadow");
    page = Shown<CWinterLossView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->TableRows().size(), 1u);
    // The button goes back to the site's charts.
    ClickSwitch();
    EXPECT_NE(Shown<CSiteChartView>(), nullptr);
}

TEST_P(ColonyEventChartsTest, AllSitesWinterLossesAddTheSitesUp)
{
    AddRecord(kLinden, u"10.06.2022", 6);
    AddRecord(kHeather, u"10.06.2022", 7);
    ASSERT_NE(LoseColony(kHeather, u"01.03.2023", LossCause::Starvation), 0);
    ClickToolbarButton(CJournalToolbar::IdCharts);
    ASSERT_NE(Shown<CAllSitesChartView>(), nullptr);
    ClickSwitch();
    CWinterLossView* page = Shown<CWinterLossView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->ChartTitle(), Text(StringId::WinterLossesTitle));
    ASSERT_FALSE(page->Winters().empty());
    EXPECT_EQ(page->Winters().front().year, 2022);
    EXPECT_EQ(page->Winters().front().alive, 2);
    EXPECT_EQ(page->Winters().front().lost, 1);
    // The records tab leaves it for the sites' list.
    ClickTab(kRecordsTab);
    EXPECT_EQ(State().page, PageSites);
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyEventChartsTest, ShippedLanguages(), LanguageName);
