#include "JournalWindowFixture.h"

#include "AddChangeInspectView.h"
#include "AllSitesChartView.h"
#include "Bitmap.h"
#include "Brush.h"
#include "Calendar.h"
#include "ChartFrame.h"
#include "ColonyChartView.h"
#include "ComboBox.h"
#include "Dc.h"
#include "JournalData.h"
#include "JournalPages.h"
#include "JournalToolbar.h"
#include "PdfText.h"
#include "PrintJob.h"
#include "SiteChartView.h"
#include "ToolBar.h"

namespace {
constexpr std::int32_t kLinden = 5;
constexpr std::int32_t kAcacia = 3;
constexpr std::int64_t kDay = 86400;

int PixelsOf(const UiTest::Image& image, COLORREF colour)
{
    return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

// The journal window with the program's pages, on the charts tab.
class ChartPagesTest : public JournalWindowTest
{
protected:
    ChartPagesTest()
        : JournalWindowTest(JournalPageFactories())
    {
    }

    // A record of the colony at local noon of the day, with one hive line.
    std::int32_t AddRecord(std::int32_t idFamily, std::int64_t date, int strength, int frames, int brood, int honey,
        int taken = 0)
    {
        InspectData inspect;
        inspect.record.id_family = idFamily;
        inspect.record.date = date;
        inspect.record.strength = strength;
        inspect.record.frame = frames;
        inspect.record.evacuation = taken;
        inspect.record.hives = { { 0, u"Hive", brood, honey, 0, 0, 0 } };
        return journal->AddInspect(inspect);
    }
    static std::int64_t Noon(const std::u16string& day) { return ParseDateText(day) + 12 * 3600; }

    template <typename Page>
    Page* Shown()
    {
        return dynamic_cast<Page*>(Window()->GetDlgItem(IdPage));
    }
    // Shows the node's chart and paints it; returns what the page shows.
    UiTest::Image Picture() { return UiTest::Grab(Window()->GetDlgItem(IdPage)); }
    // The picture of the caption and the empty-state text alone, painted as a chart page paints.
    static UiTest::Image EmptyPicture(int width, int height, const std::u16string& title, const std::u16string& text,
        int top = 0)
    {
        CClientDC screen(nullptr);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, width, height);
        CBitmap* old = memory.SelectObject(&bitmap);
        CChartFrame frame;
        memory.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
        const RECT rest = frame.PaintCaption(memory, { 0, top, width, height }, title);
        frame.PaintEmpty(memory, rest, text);
        memory.SelectObject(old);
        return { width, height, bitmap.GetPixels() };
    }
};
}

TEST_P(ChartPagesTest, ColonyMarkersLieWhereDateAndValueGiveAndOpenTheirRecord)
{
    const std::int64_t first = Noon(u"01.04.2024");
    AddRecord(kLinden, first, 4, 10, 2, 1);
    const std::int32_t middle = AddRecord(kLinden, first + 30 * kDay, 5, 8, 3, 1);
    AddRecord(kLinden, first + 60 * kDay, 6, 7, 4, 2);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(State().page, PageColonyChart);
    const UiTest::Image picture = Picture();

    // Frames reach 10, the top of the axis; the middle record lies halfway in time, its strength
    // of 5 halfway up.
    const RECT inner = page->Layout().inner;
    ASSERT_GT(inner.right - inner.left, 200);
    EXPECT_EQ(page->Layout().top, 10);
    const int height = inner.bottom - inner.top;
    const COLORREF strength = CColonyChart::SeriesColour(SeriesStrength);
    const POINT marker { inner.left + (inner.right - inner.left) / 2, inner.bottom - height / 2 };
    EXPECT_EQ(picture.At(marker.x, marker.y), strength);
    EXPECT_EQ(picture.At(inner.left, inner.bottom - 4 * height / 10), strength);
    EXPECT_EQ(picture.At(inner.right, inner.bottom - 6 * height / 10), strength);
    EXPECT_EQ(picture.At(inner.right, inner.bottom - 7 * height / 10), CColonyChart::SeriesColour(SeriesFrames));
    EXPECT_EQ(picture.At(inner.left, inner.bottom - 2 * height / 10), CColonyChart::SeriesColour(SeriesBrood));

    // Resting on the marker shows the record's values; beside every marker nothing.
    UiTest::MouseMove(page, marker.x + 2, marker.y - 1);
    const std::u16string tip = page->TipText();
    EXPECT_NE(tip.find(FormatDateText(first + 30 * kDay)), std::u16string::npos) << ToUtf8(tip);
    EXPECT_NE(tip.find(Text(StringId::StrengthField) + u": 5"), std::u16string::npos) << ToUtf8(tip);
    EXPECT_NE(tip.find(Text(StringId::FramesField) + u": 8"), std::u16string::npos) << ToUtf8(tip);
    UiTest::MouseMove(page, marker.x + 40, inner.top + 3);
    EXPECT_EQ(page->TipText(), u"");

    UiTest::DoubleClick(page, marker.x, marker.y);
    UiTest::ProcessEvents(20);
    EXPECT_NE(Shown<CChangeInspectView>(), nullptr);
    EXPECT_EQ(State().page, PageChangeInspection);
    EXPECT_EQ(State().recordId, middle);
}

TEST_P(ChartPagesTest, LegendEntryHidesAndShowsItsSeries)
{
    const std::int64_t first = Noon(u"10.05.2023");
    for (int i = 0; i < 6; ++i)
        AddRecord(kLinden, first + i * 20 * kDay, 3 + i, 12, 4, 6 - i);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    const COLORREF strength = CColonyChart::SeriesColour(SeriesStrength);
    const COLORREF honey = CColonyChart::SeriesColour(SeriesHoney);
    UiTest::Image picture = Picture();
    ASSERT_GT(PixelsOf(picture, strength), 100);
    const int honeyPixels = PixelsOf(picture, honey);
    ASSERT_GT(honeyPixels, 100);

    const RECT entry = page->Layout().legend.at(SeriesStrength);
    UiTest::Click(page, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    UiTest::ProcessEvents();
    picture = Picture();
    EXPECT_FALSE(page->Chart().IsShown(SeriesStrength));
    EXPECT_EQ(PixelsOf(picture, strength), 0);
    EXPECT_GT(PixelsOf(picture, honey), 100);
    // The hidden series' markers are no longer hit.
    EXPECT_EQ(page->Layout().markers.size(), 3u * 6u);

    UiTest::Click(page, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    UiTest::ProcessEvents();
    EXPECT_GT(PixelsOf(Picture(), strength), 100);
}

TEST_P(ChartPagesTest, NewRecordFiresFourAndGainsAMarker)
{
    const std::int64_t first = Noon(u"01.06.2024");
    AddRecord(kLinden, first, 5, 10, 3, 2);
    AddRecord(kLinden, first + 10 * kDay, 6, 10, 3, 2);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    Picture();
    EXPECT_EQ(page->Layout().markers.size(), 4u * 2u);

    EventCounter records(EventInspectsChanged);
    const std::int32_t added = AddRecord(kLinden, first + 20 * kDay, 8, 10, 3, 2);
    EXPECT_EQ(records.count, 1);
    UiTest::ProcessEvents();
    const UiTest::Image picture = Picture();
    EXPECT_EQ(page->Chart().Records().size(), 3u);
    ASSERT_EQ(page->Layout().markers.size(), 4u * 3u);
    // The new record is the latest: its strength of 8 at the right edge.
    const RECT inner = page->Layout().inner;
    const POINT marker { inner.right, inner.bottom - 8 * (inner.bottom - inner.top) / 10 };
    EXPECT_EQ(picture.At(marker.x, marker.y), CColonyChart::SeriesColour(SeriesStrength));

    // Deleted, the record leaves the chart; the pointer on its old place, before the page has
    // painted again, finds no record that is gone.
    ASSERT_TRUE(journal->DeleteInspect(added));
    EXPECT_EQ(records.count, 2);
    UiTest::MouseMove(page, marker.x, marker.y);
    EXPECT_EQ(page->TipText().find(FormatDateText(first + 20 * kDay)), std::u16string::npos);
    UiTest::ProcessEvents();
    Picture();
    EXPECT_EQ(page->Layout().markers.size(), 4u * 2u);
}

TEST_P(ChartPagesTest, WithoutRecordsEachChartShowsItsEmptyText)
{
    ClickToolbarButton(CJournalToolbar::IdCharts);
    CAllSitesChartView* all = Shown<CAllSitesChartView>();
    ASSERT_NE(all, nullptr);
    UiTest::Image picture = Picture();
    // Below the strip with the button to the winter losses.
    const std::size_t strip = static_cast<std::size_t>(CChartView::StripSize * picture.width);
    const UiTest::Image allEmpty = EmptyPicture(picture.width, picture.height, Text(StringId::ChartAllSitesTitle),
        Text(StringId::ChartNoRecords), CChartView::StripSize);
    EXPECT_TRUE(std::equal(picture.pixels.begin() + strip, picture.pixels.end(), allEmpty.pixels.begin() + strip));

    // Below the strip with the button to the colony's mite counts.
    ClickItem(u"Acacia");
    ASSERT_NE(Shown<CColonyChartView>(), nullptr);
    picture = Picture();
    const UiTest::Image colonyEmpty = EmptyPicture(picture.width, picture.height,
        u"Acacia \u2014 " + Text(StringId::ChartColonyTitle), Text(StringId::ChartNoColonyRecords), CChartView::StripSize);
    EXPECT_TRUE(std::equal(picture.pixels.begin() + strip, picture.pixels.end(), colonyEmpty.pixels.begin() + strip));

    // A site whose colonies have records only at another site's colonies.
    AddRecord(kLinden, Noon(u"01.06.2024"), 5, 10, 3, 2, 7);
    ClickItem(u"Far meadow");
    CSiteChartView* site = Shown<CSiteChartView>();
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->YearChooser().GetCount(), 0);
    EXPECT_TRUE(site->Chart().Groups().empty());
    picture = Picture();
    const UiTest::Image expected = EmptyPicture(picture.width, picture.height,
        u"Far meadow \u2014 " + Text(StringId::ChartSiteTitle), Text(StringId::ChartNoSiteRecords),
        CSiteChartView::StripSize);
    // The strip with the year chooser is the page's own; the chart below it is compared.
    const std::size_t below = static_cast<std::size_t>(CSiteChartView::StripSize * picture.width);
    EXPECT_TRUE(std::equal(picture.pixels.begin() + below, picture.pixels.end(), expected.pixels.begin() + below));
}

TEST_P(ChartPagesTest, SiteBarsFollowHoneyInTheChosenYear)
{
    AddRecord(kLinden, Noon(u"01.05.2024"), 6, 10, 3, 2, 10);
    AddRecord(kLinden, Noon(u"01.08.2024"), 9, 10, 3, 2, 5);
    AddRecord(kAcacia, Noon(u"15.07.2024"), 4, 10, 3, 2, 30);
    AddRecord(kLinden, Noon(u"01.07.2023"), 7, 10, 3, 2, 40);
    ClickItem(u"North");
    ClickTab(kChartsTab);
    CSiteChartView* page = Shown<CSiteChartView>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(State().page, PageSiteChart);
    ASSERT_EQ(page->YearChooser().GetCount(), 2);
    std::u16string year;
    page->YearChooser().GetLBText(page->YearChooser().GetCurSel(), year);
    EXPECT_EQ(year, u"2024");

    UiTest::Image picture = Picture();
    const auto& groups = page->Chart().Groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].label, u"Acacia");
    EXPECT_EQ(groups[1].label, u"Linden");
    EXPECT_EQ(groups[0].values, (std::vector<int> { 30, 4 }));
    EXPECT_EQ(groups[1].values, (std::vector<int> { 15, 9 }));
    // Honey bars: Acacia's on the left, twice as tall as Linden's, in the honey colour.
    const RECT acacia = page->Bars().at(0);
    const RECT linden = page->Bars().at(2);
    EXPECT_LT(acacia.right, linden.left);
    EXPECT_NEAR(acacia.bottom - acacia.top, 2 * (linden.bottom - linden.top), 2);
    const COLORREF honey = CColonyChart::SeriesColour(SeriesHoney);
    EXPECT_EQ(picture.At((acacia.left + acacia.right) / 2, acacia.top + 1), honey);
    EXPECT_EQ(picture.At((acacia.left + acacia.right) / 2, acacia.top - 3), CChartFrame::Plot);
    EXPECT_EQ(picture.At((linden.left + linden.right) / 2, linden.top + 1), honey);

    // The year chooser: 2023 had Linden alone.
    UiTest::KeyPress(&page->YearChooser(), VK_DOWN);
    UiTest::ProcessEvents();
    page->YearChooser().GetLBText(page->YearChooser().GetCurSel(), year);
    EXPECT_EQ(year, u"2023");
    ASSERT_EQ(page->Chart().Groups().size(), 1u);
    EXPECT_EQ(page->Chart().Groups()[0].values, (std::vector<int> { 40, 7 }));
    // A new record keeps the chosen year.
    AddRecord(kAcacia, Noon(u"01.09.2023"), 5, 10, 3, 2, 50);
    UiTest::ProcessEvents();
    ASSERT_EQ(page->Chart().Groups().size(), 2u);
    EXPECT_EQ(page->Chart().Groups()[0].label, u"Acacia");
}

TEST_P(ChartPagesTest, ToolbarButtonSelectsTheChartsTabWhichFollowsTheTree)
{
    AddRecord(kLinden, Noon(u"01.05.2024"), 6, 10, 3, 2, 10);
    AddRecord(1, Noon(u"01.05.2023"), 6, 10, 3, 2, 25);
    auto* bar = dynamic_cast<CToolBar*>(Window()->GetDlgItem(0xE800));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsButtonEnabled(CJournalToolbar::IdCharts));
    ASSERT_EQ(Tabs()->GetItemCount(), 6);
    EXPECT_EQ(Tabs()->GetCurSel(), kRecordsTab);

    ClickToolbarButton(CJournalToolbar::IdCharts);
    EXPECT_EQ(Tabs()->GetCurSel(), kChartsTab);
    CAllSitesChartView* all = Shown<CAllSitesChartView>();
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(State().page, PageAllSitesChart);
    // Sites with records in id order, a bar per year of the journal.
    ASSERT_EQ(all->Chart().Groups().size(), 2u);
    EXPECT_EQ(all->Chart().Groups()[0].label, u"North");
    EXPECT_EQ(all->Chart().Groups()[0].values, (std::vector<int> { 0, 10 }));
    EXPECT_EQ(all->Chart().Groups()[1].label, u"Far meadow");
    EXPECT_EQ(all->Chart().Groups()[1].values, (std::vector<int> { 25, 0 }));

    ClickItem(u"North");
    EXPECT_NE(Shown<CSiteChartView>(), nullptr);
    ClickItem(u"Linden");
    EXPECT_NE(Shown<CColonyChartView>(), nullptr);
    EXPECT_EQ(State().recordId, kLinden);
    ClickTab(kRecordsTab);
    EXPECT_EQ(State().page, PageInspections);
}

TEST_P(ChartPagesTest, ChartPaintsIntoAnyContextLeavingTheWindowsMarkersAsTheyAre)
{
    const std::int64_t first = Noon(u"01.04.2024");
    AddRecord(kLinden, first, 4, 10, 2, 1);
    AddRecord(kLinden, first + 30 * kDay, 5, 8, 3, 1);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    Picture();
    const RECT inner = page->Layout().inner;
    const std::size_t markers = page->Layout().markers.size();

    // A sheet of another size, as printing gives, with the chart in its lower right part.
    CClientDC screen(nullptr);
    CDC sheet;
    sheet.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 500, 400);
    CBitmap* old = sheet.SelectObject(&bitmap);
    sheet.FillSolidRect(0, 0, 500, 400, RGB(255, 255, 255));
    page->PaintChart(sheet, { 100, 50, 500, 400 });
    sheet.SelectObject(old);
    const UiTest::Image printed { 500, 400, bitmap.GetPixels() };
    EXPECT_EQ(printed.At(50, 60), RGB(255, 255, 255));
    EXPECT_EQ(printed.At(300, 52), CChartFrame::Caption);
    EXPECT_GT(PixelsOf(printed, CColonyChart::SeriesColour(SeriesStrength)), 50);

    EXPECT_EQ(page->Layout().inner.right, inner.right);
    EXPECT_EQ(page->Layout().markers.size(), markers);
}

TEST_P(ChartPagesTest, PrintButtonPutsTheShownChartOnOneSheetUnderItsCaption)
{
    AddRecord(kLinden, Noon(u"01.04.2024"), 4, 10, 2, 1);
    AddRecord(kLinden, Noon(u"01.06.2024"), 7, 12, 5, 3);
    ClickItem(u"Linden");
    ClickTab(kChartsTab);
    CColonyChartView* page = Shown<CColonyChartView>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->ChartTitle().rfind(u"Linden", 0), 0u);

    const std::string pdf = (dir.Path() / "chart.pdf").string();
    PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
    ClickToolbarButton(CJournalToolbar::IdPrint);
    ASSERT_EQ(responder.Requests().size(), 1u);
    EXPECT_EQ(responder.Requests().front().sheets, 1);
    const std::vector<std::string> sheets = PdfPageTexts(pdf);
    ASSERT_EQ(sheets.size(), 1u);
    const std::string title = ToUtf8(page->ChartTitle());
    // Once at the head of the sheet and once as the chart's own caption.
    const std::size_t first = sheets[0].find(title);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(sheets[0].find(title, first + title.size()), std::string::npos);
    EXPECT_NE(sheets[0].find(ToUtf8(CColonyChart::SeriesName(SeriesHoney))), std::string::npos);
    EXPECT_TRUE(HasPageNumber(sheets[0], 1, 1));
}

INSTANTIATE_TEST_SUITE_P(Languages, ChartPagesTest, ShippedLanguages(), LanguageName);
