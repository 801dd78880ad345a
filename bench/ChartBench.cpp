// The charts at the sizes they must stay quick for, one frame each as the page paints it: the
// chart read from the stores and painted into a memory bitmap of the journal window's page size.
//   ColonyChart     a colony with 1,000 records;
//   SiteChart       a site with 200 colonies, records over 10 years, one season shown;
//   AllSitesChart   that site's honey per year beside two small sites;
//   Floor           the same bitmap filled and copied once, the least a frame costs.
// Medians in ms; run from the sources' top folder for the language texts (scripts/bench.sh does).
//
//   tolvik_chart_bench [benchmark flags]

#include "AllSitesChartView.h"
#include "Bitmap.h"
#include "ChartData.h"
#include "ColonyChart.h"
#include "Dc.h"
#include "JournalCache.h"
#include "LanguageManager.h"
#include "Median.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "WinApp.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPageWidth = 800;
constexpr int kPageHeight = 636;
constexpr std::int32_t kColony = 1;
constexpr std::int32_t kBigSite = 1;
constexpr std::int64_t kFirstDay = 1420070400; // 1 January 2015
constexpr std::int64_t kDay = 86400;
constexpr int kSiteColonies = 200;
constexpr int kYears = 10;
constexpr int kRecordsPerYear = 6;

// One site of 200 colonies with six records a year over ten years, the first colony with 1,000
// records, and two small sites.
void FillStores()
{
    std::mt19937 random(19);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    CPointFamilyCache* points = GetPointFamilyCache();
    CJournalCache* journal = GetJournalCache();
    std::int32_t idRecord = 1;
    const auto addRecord = [&](std::int32_t idFamily, std::int64_t date) {
        CJournalCache::Record record;
        record.id_family = idFamily;
        record.date = date;
        record.strength = between(1, 12);
        record.frame = between(4, 20);
        record.evacuation = between(0, 8);
        record.hives = { { 1, u"Hive 1", between(0, 8), between(0, 12), 0, 0, 0 },
            { 2, u"Hive 2", between(0, 8), between(0, 12), 0, 0, 0 } };
        journal->AddRecord(idRecord++, std::move(record));
    };
    for (std::int32_t site = 1; site <= 3; ++site)
        points->SetPoint(site, { u"Site " + IntToText(site), u"", 0 });
    std::int32_t idFamily = 1;
    for (int colony = 0; colony < kSiteColonies; ++colony, ++idFamily) {
        points->AddFamily(idFamily, { u"Colony " + IntToText(idFamily), u"", kBigSite, 0, 0 });
        const int records = idFamily == kColony ? 1000 : kYears * kRecordsPerYear;
        for (int i = 0; i < records; ++i)
            addRecord(idFamily, kFirstDay + static_cast<std::int64_t>(i) * kYears * 365 * kDay / records);
    }
    for (std::int32_t site = 2; site <= 3; ++site, ++idFamily) {
        points->AddFamily(idFamily, { u"Colony " + IntToText(idFamily), u"", site, 0, 0 });
        for (int i = 0; i < kYears * kRecordsPerYear; ++i)
            addRecord(idFamily, kFirstDay + static_cast<std::int64_t>(i) * 61 * kDay);
    }
}

// A memory context over a bitmap of the page's size.
struct Page
{
    CClientDC screen { nullptr };
    CDC memory;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    Page()
    {
        memory.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, kPageWidth, kPageHeight);
        old = memory.SelectObject(&bitmap);
    }
    ~Page() { memory.SelectObject(old); }
};

// Times the frame and, interleaved with it, the floor: a fill and a copy of the same size.
void Frames(benchmark::State& state, const std::function<void(CDC&, const RECT&)>& frame)
{
    Page page;
    Page target;
    const RECT rect { 0, 0, kPageWidth, kPageHeight };
    std::vector<double> frames;
    std::vector<double> floor;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        frame(page.memory, rect);
        target.memory.BitBlt(0, 0, kPageWidth, kPageHeight, &page.memory, 0, 0, SRCCOPY);
        frames.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        start = Clock::now();
        page.memory.FillSolidRect(&rect, RGB(240, 240, 240));
        target.memory.BitBlt(0, 0, kPageWidth, kPageHeight, &page.memory, 0, 0, SRCCOPY);
        floor.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        state.SetIterationTime(frames.back() / 1e3);
    }
    state.counters["frame_ms"] = Median(frames);
    state.counters["floor_ms"] = Median(floor);
}

void ColonyFrame(CDC& dc, const RECT& rect)
{
    CColonyChart chart;
    chart.SetData(u"Colony 1", ColonyChartRecords(kColony), u"");
    benchmark::DoNotOptimize(chart.Paint(dc, rect));
}

void SiteFrame(CDC& dc, const RECT& rect)
{
    const std::vector<int> seasons = SiteSeasons(kBigSite);
    CBarChart chart;
    chart.SetData(u"Site 1", { { u"Honey", RGB(160, 100, 10), false }, { u"Strength", RGB(192, 57, 43), true } },
        SiteSeasonGroups(kBigSite, seasons.at(seasons.size() / 2)), u"");
    benchmark::DoNotOptimize(chart.Paint(dc, rect));
}

void AllSitesFrame(CDC& dc, const RECT& rect)
{
    HoneyBySiteAndYear honey = HoneyPerSiteAndYear();
    std::vector<BarSeries> years;
    for (std::size_t i = 0; i < honey.years.size(); ++i)
        years.push_back({ IntToText(honey.years[i]), CAllSitesChartView::YearColour(i), false });
    CBarChart chart;
    chart.SetData(u"All sites", std::move(years), std::move(honey.sites), u"");
    benchmark::DoNotOptimize(chart.Paint(dc, rect));
}

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    EnsureToolkit();
    GetLanguageManager()->Initialize();
    FillStores();
    for (const auto& [name, frame] : { std::pair { "ColonyChart/1000records", &ColonyFrame },
             std::pair { "SiteChart/200coloniesx10years", &SiteFrame },
             std::pair { "AllSitesChart/3sitesx10years", &AllSitesFrame } }) {
        benchmark::RegisterBenchmark(name, [frame](benchmark::State& state) { Frames(state, frame); })
            ->UseManualTime()
            ->Iterations(50)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
