#include "JournalWindowFixture.h"

#include "Calendar.h"
#include "FileDialog.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "JournalStores.h"
#include "JournalToolbar.h"
#include "LayoutStore.h"
#include "ListColumn.h"
#include "PdfText.h"
#include "Printers.h"
#include "PrintJob.h"
#include "PrintSheets.h"
#include "QBeeInspectView.h"
#include "QueenBeeCache.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"
#include "ViewPoints.h"

#include <cmath>

namespace {
constexpr int kColonies = 200;
constexpr double kMarginPoints = 12.0 / 25.4 * 72.0;
constexpr int kNameColumns[] = { SiteNameColumn, ColonyNameColumn, HiveNameColumn };

std::string Utf8(const std::u16string& text)
{
    return ToUtf8(text);
}

bool Contains(const std::string& page, const std::u16string& text)
{
    return page.find(Utf8(text)) != std::string::npos;
}

// The journal window with its own pages, the North site holding 200 more colonies, and two
// printers of which the settings may choose one.
class JournalPrintTest : public JournalWindowTest
{
protected:
    JournalPrintTest()
        : JournalWindowTest(JournalPageFactories())
        , printers({ u"Yard printer", u"Office" }, u"Office")
    {
        std::u16string values;
        for (int i = 1; i <= kColonies; ++i) {
            values += (i > 1 ? u", (" : u"(") + IntToText(100 + i) + u", 'Colony " + IntToText(1000 + i)
                + u"', 1, 0, '', 0)";
        }
        Run(u"INSERT INTO families(id_family, name, id_point, type, note, id_record) VALUES" + values);
        LoadJournalStores(CDatabaseLease().get());
        pdf = (dir.Path() / "printed.pdf").string();
        // Names on one line, so that they read back whole.
        for (int column : kNameColumns)
            GetLayoutStore().SetColumnWidth(column, 150);
    }
    ~JournalPrintTest() override
    {
        for (int column : kNameColumns)
            GetLayoutStore().SetColumnWidth(column, 0);
    }

    void Print() { ClickToolbarButton(CJournalToolbar::IdPrint); }

    template <typename Page>
    Page* Shown()
    {
        return dynamic_cast<Page*>(Window()->GetDlgItem(IdPage));
    }

    PrinterListOverride printers;
    std::string pdf;
};
}

TEST_P(JournalPrintTest, ColoniesTablePrintsOnTheChosenPrinterWithHeaderTitleAndNumbersOnEverySheet)
{
    WriteRegistryString(u"Yard printer", kMainSettingsKey, u"combo_printer");
    ClickItem(u"North");
    CViewFamilies* page = Shown<CViewFamilies>();
    ASSERT_NE(page, nullptr);
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    Print();

    ASSERT_EQ(responder.Requests().size(), 1u);
    const PrintResponder::Request& request = responder.Requests().front();
    EXPECT_EQ(request.printer, u"Yard printer");

    // The sheet turns when the columns pass a portrait sheet's printable width (at 96 dots to the
    // inch); they fit a landscape one, so rows keep their height.
    const PdfPageSize size = ReadPdfPageSize(pdf);
    const auto pixels = [](double points) { return static_cast<int>((points - 2 * kMarginPoints) * 96.0 / 72.0); };
    int columns = 0;
    for (const auto& header : page->Grid().Drawer().Headers())
        columns += header->width;
    EXPECT_EQ(request.landscape, columns + 1 > pixels(std::min(size.width, size.height)));
    EXPECT_EQ(request.landscape, size.width > size.height);
    ASSERT_LE(columns + 1, pixels(std::max(size.width, size.height)));
    // Sheets of the printable height, less the title and the page number.
    const int area = pixels(size.height);
    const int body = area - CPrintSheets::TitleHeight - CPrintSheets::FooterHeight;
    const int rowsPerSheet = (body - page->Grid().Drawer().BarHeight()) / DefaultRowHeight;
    const int rows = kColonies + 2;
    const int sheets = (rows + rowsPerSheet - 1) / rowsPerSheet;
    ASSERT_GT(sheets, 2);

    const std::vector<std::string> texts = PdfPageTexts(pdf);
    ASSERT_EQ(static_cast<int>(texts.size()), sheets);
    EXPECT_EQ(request.sheets, sheets);
    const std::u16string title = Text(StringId::PrintColoniesTitle) + u": North";
    const std::u16string printedOn = Text(StringId::PrintPrintedOn) + u" " + FormatDateText(CurrentTime());
    for (int sheet = 0; sheet < sheets; ++sheet) {
        SCOPED_TRACE(sheet);
        EXPECT_TRUE(Contains(texts[sheet], title));
        EXPECT_TRUE(Contains(texts[sheet], printedOn));
        EXPECT_TRUE(Contains(texts[sheet], Text(StringId::FamilyNameField)));
        EXPECT_TRUE(HasPageNumber(texts[sheet], sheet + 1, sheets));
    }
    // No row is lost or doubled at a page break.
    for (int i = 1; i <= kColonies; ++i) {
        const std::u16string name = u"Colony " + IntToText(1000 + i);
        int found = 0;
        for (const std::string& text : texts)
            found += Contains(text, name) ? 1 : 0;
        EXPECT_EQ(found, 1) << Utf8(name);
    }
}

TEST_P(JournalPrintTest, WithoutAStoredPrinterTheDefaultPrintsAndAWidenedColumnTurnsTheSheet)
{
    CViewPoints* page = Shown<CViewPoints>();
    ASSERT_NE(page, nullptr);
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    Print();
    ASSERT_EQ(responder.Requests().size(), 1u);
    EXPECT_EQ(responder.Requests().back().printer, u"Office");
    EXPECT_FALSE(responder.Requests().back().landscape);
    PdfPageSize size = ReadPdfPageSize(pdf);
    EXPECT_LT(size.width, size.height);

    // As when the user drags the name column's border far to the right.
    CTableDrawer& grid = page->Grid().Drawer();
    grid.Headers().front()->SetDraggedWidth(1500);
    grid.LayoutHeaders();
    Print();
    ASSERT_EQ(responder.Requests().size(), 2u);
    EXPECT_TRUE(responder.Requests().back().landscape);
    size = ReadPdfPageSize(pdf);
    EXPECT_GT(size.width, size.height);
    const std::vector<std::string> texts = PdfPageTexts(pdf);
    ASSERT_EQ(texts.size(), 1u);
    // The shrunk note column keeps the start of its caption, ended by an ellipsis where it is cut.
    EXPECT_TRUE(Contains(texts[0], Text(StringId::NoteField).substr(0, 2)));
    EXPECT_TRUE(Contains(texts[0], u"Far meadow"));
}

TEST_P(JournalPrintTest, RecordPrintsWithTheHiveLinesOfTheSelectedRecord)
{
    InspectData inspect;
    inspect.record.id_family = 5;
    inspect.record.date = CurrentTime();
    CJournalCache::HiveRow top;
    top.name_housing = u"Top box";
    top.brood = 7;
    CJournalCache::HiveRow bottom;
    bottom.name_housing = u"Bottom box";
    bottom.honey = 4;
    inspect.record.hives = { top, bottom };
    ASSERT_TRUE(journal->AddInspect(inspect));
    ClickItem(u"Linden");
    CViewInspect* page = Shown<CViewInspect>();
    ASSERT_NE(page, nullptr);

    // Without a selected record only the records print.
    PrintResponder first(PrintResponder::Choice::Print, FromPath(pdf));
    Print();
    std::vector<std::string> texts = PdfPageTexts(pdf);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(Contains(texts[0], Text(StringId::PrintRecordsTitle) + u": Linden (North)"));
    EXPECT_FALSE(Contains(texts[0], u"Top box"));

    const CRect area = page->Grid().Area();
    UiTest::Click(page, area.left + 5, area.top + page->Grid().Drawer().BarHeight() + 20);
    UiTest::ProcessEvents();
    ASSERT_NE(page->Grid().Drawer().SelectedRow(), nullptr);
    PrintResponder second(PrintResponder::Choice::Print, FromPath(pdf));
    Print();
    texts = PdfPageTexts(pdf);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(Contains(texts[0], Text(StringId::PrintHiveLinesCaption) + u" " + FormatDateText(inspect.record.date)));
    EXPECT_TRUE(Contains(texts[0], Text(StringId::HousingNameField)));
    EXPECT_TRUE(Contains(texts[0], u"Top box"));
    EXPECT_TRUE(Contains(texts[0], u"Bottom box"));
}

TEST_P(JournalPrintTest, PdfButtonWritesTheChosenFileAndAFailedWriteIsTold)
{
    PrintResponder responder(PrintResponder::Choice::SavePdf);
    FileDialogResponder files;
    const std::string saved = (dir.Path() / "sites").string();
    files.Answer(FromPath(saved));
    Print();
    ASSERT_EQ(files.Calls().size(), 1u);
    EXPECT_EQ(files.Calls()[0].kind, FileDialogResponder::Kind::SaveFile);
    EXPECT_EQ(ToPath(files.Calls()[0].initialPath).filename(), ToPath(Text(StringId::PrintSitesTitle) + u".pdf"));
    std::vector<std::string> texts = PdfPageTexts(saved + ".pdf");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(Contains(texts[0], Text(StringId::PrintSitesTitle)));
    EXPECT_TRUE(Contains(texts[0], u"Far meadow"));

    boxes.ClearCalls();
    files.Answer(FromPath((dir.Path() / "missing" / "sites.pdf").string()));
    Print();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::PrintPdfFailed));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
}

TEST_P(JournalPrintTest, QueenCardsOfAColonyPrintUnderTheirTitleAndTheScreenKeepsItsLayout)
{
    std::int32_t freya = 0;
    for (const char16_t* name : { u"Freya", u"Hilda" }) {
        CQueenBeeCache::QueenBee queen;
        queen.id_family = 5;
        queen.name = name;
        queen.date = CurrentTime();
        const std::int32_t id = GetJournalHandlers()->queens.Add(queen);
        ASSERT_NE(id, 0);
        freya = freya == 0 ? id : freya;
    }
    CQueenBeeCache::QueenBee daughter;
    daughter.id_family = 3;
    daughter.name = u"Greta";
    daughter.id_parent_queen_bee = freya;
    ASSERT_NE(GetJournalHandlers()->queens.Add(daughter), 0);
    ClickTab(1);
    ClickItem(u"Linden");
    CQBeeInspectView* page = Shown<CQBeeInspectView>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Drawer().CardCount(), 2);
    const int width = page->Drawer().CardWidth(0);
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    Print();
    const std::vector<std::string> texts = PdfPageTexts(pdf);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(Contains(texts[0], Text(StringId::PrintQueensTitle) + u": Linden (North)"));
    EXPECT_TRUE(Contains(texts[0], u"Freya"));
    EXPECT_TRUE(Contains(texts[0], u"Hilda"));
    EXPECT_TRUE(Contains(texts[0], Text(StringId::QueenBirthDateLabel) + u" - " + FormatDateText(CurrentTime())));
    EXPECT_FALSE(Contains(texts[0], u"Greta"));
    // The screen's buttons stay off the paper.
    EXPECT_FALSE(Contains(texts[0], Text(StringId::QueenCardButton)));
    EXPECT_EQ(page->Drawer().CardWidth(0), width);

    // With Freya's card selected her family tree follows on a sheet of its own.
    UiTest::ProcessEvents();
    const POINT card = page->Drawer().CardOrigin(0);
    UiTest::Click(page, card.x + 150, card.y + 40);
    UiTest::ProcessEvents();
    ASSERT_EQ(page->Drawer().Selected(), 0);
    PrintResponder second(PrintResponder::Choice::Print, FromPath(pdf));
    Print();
    const std::vector<std::string> withTree = PdfPageTexts(pdf);
    ASSERT_EQ(withTree.size(), 2u);
    EXPECT_TRUE(Contains(withTree[1], Text(StringId::PrintQueensTitle) + u": Linden (North)"));
    EXPECT_TRUE(Contains(withTree[1], Text(StringId::PrintFamilyTreeTitle) + u": Freya"));
    EXPECT_TRUE(Contains(withTree[1], u"Greta"));
    EXPECT_TRUE(HasPageNumber(withTree[1], 2, 2));
}

TEST_P(JournalPrintTest, AFormSaysItHasNothingToPrint)
{
    ChooseFromMenu(u"North", 4);
    UiTest::ProcessEvents(20);
    MessageBoxResponder boxes;
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    Print();
    EXPECT_TRUE(responder.Requests().empty());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::PrintNothingOnPage));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_P(JournalPrintTest, CtrlPPrintsThePageFromTheTableAndFromTheTree)
{
    ClickItem(u"North");
    CViewFamilies* page = Shown<CViewFamilies>();
    ASSERT_NE(page, nullptr);
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    UiTest::KeyPress(page, 'P', MK_CONTROL);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(responder.Requests().size(), 1u);
    UiTest::KeyPress(Tree(), 'P', MK_CONTROL);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(responder.Requests().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Languages, JournalPrintTest, ShippedLanguages(), LanguageName);
