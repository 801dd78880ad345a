// The colonies' care on a journal at commercial size, in one run per journal file:
//   SiteTreatment  a treatment given to a site of 200 colonies through the care handler, against
//                  the floor: the same rows written with plain prepared statements in one
//                  transaction;
//   Register       a year's register of veterinary medicines (the site treatments of spring, summer
//                  and autumn at every site and one colony's own treatment in ten) filled into its grid
//                  and laid out on A4 landscape sheets, against the floor: the same treatments and
//                  their colonies read with a plain SQLite loop.
//
//   tolvik_care_bench [benchmark flags] JOURNAL...

#include "Calendar.h"
#include "CareCache.h"
#include "JournalCopy.h"
#include "JournalHandlers.h"
#include "JournalStores.h"
#include "LanguageManager.h"
#include "MedicinesRegister.h"
#include "Median.h"
#include "PointFamilyCache.h"
#include "SchemaMigrations.h"
#include "TableDrawer.h"
#include "TablePrint.h"
#include "Text.h"
#include "WinApp.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSiteColonies = 200;
constexpr int kYear = 2026;
// An A4 sheet's printable area in landscape at 96 dots to the inch, less margins and title.
constexpr int kSheetWidth = 1050;
constexpr int kSheetHeight = 680;

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// The journal copy with its care tables, its stores loaded, a medicine and a site of 200 colonies.
struct Setup
{
    std::int32_t product = 0;
    std::vector<std::int32_t> site;
};

Setup Prepare()
{
    Setup setup;
    GetDatabaseManager()->Initialize();
    SchemaMigrations::Migrate(CDatabaseLease().get());
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"INSERT INTO points(name, note, id_record) VALUES('Bench site', '', 0)");
    database->ExecRequest(rows, u"BEGIN");
    for (int i = 0; i < kSiteColonies; ++i) {
        database->ExecRequest(rows,
            u"INSERT INTO families(name, id_point, type, note, id_record) SELECT 'Bench " + IntToText(i)
                + u"', MAX(id_point), 0, '', 0 FROM points");
    }
    database->ExecRequest(rows, u"COMMIT");
    LoadJournalStores(database.get());
    TreatmentProduct strips { 0, u"Amitraz strips", u"amitraz", u"strip", 2.0, u"strips", 14 };
    setup.product = GetJournalHandlers()->care.SaveProduct(strips);
    const CPointFamilyCache* places = GetPointFamilyCache();
    setup.site = places->FamiliesOf(std::prev(places->Points().end())->first);
    return setup;
}

Treatment TreatmentOf(std::int32_t product, std::vector<std::int32_t> colonies, int month)
{
    Treatment treatment;
    treatment.id_product = product;
    treatment.batch = u"B-" + IntToText(month);
    treatment.dose = 2;
    treatment.unit = u"strips";
    treatment.date_start = LocalMidnight(kYear, month, 1);
    treatment.date_end = LocalMidnight(kYear, month, 28);
    treatment.withdrawal_days = 14;
    treatment.prescriber = u"Dr. Hale";
    treatment.colonies = std::move(colonies);
    return treatment;
}

// The rows of one site treatment written plainly, in one transaction.
double WritePlainly(const std::vector<std::int32_t>& colonies)
{
    sqlite3* db = nullptr;
    sqlite3_open(ToUtf8(kJournalDatabase).c_str(), &db);
    const Clock::time_point start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_exec(db,
        "INSERT INTO treatments(id_product, batch, dose, unit, method, date_start, date_end, withdrawal_days, "
        "prescriber, note) VALUES(1, 'B-9', 2.0, 'strips', '', '01.09.2026 00:00:00', '28.09.2026 00:00:00', 14, "
        "'Dr. Hale', '')",
        nullptr, nullptr, nullptr);
    const sqlite3_int64 id = sqlite3_last_insert_rowid(db);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO care_colonies(kind, id_entry, id_family) VALUES(1, ?, ?)", -1, &insert, nullptr);
    for (std::int32_t colony : colonies) {
        sqlite3_bind_int64(insert, 1, id);
        sqlite3_bind_int(insert, 2, colony);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double seconds = Seconds(Clock::now() - start);
    sqlite3_close(db);
    return seconds;
}

void SiteTreatment(benchmark::State& state, const std::string& file)
{
    JournalCopy copy(file);
    const Setup setup = Prepare();
    std::vector<double> handler;
    std::vector<double> floor;
    for (auto _ : state) {
        Treatment treatment = TreatmentOf(setup.product, setup.site, 9);
        const Clock::time_point start = Clock::now();
        const std::int32_t id = GetJournalHandlers()->care.AddTreatment(treatment);
        handler.push_back(Seconds(Clock::now() - start));
        if (id == 0)
            state.SkipWithError("the handler refused");
        floor.push_back(WritePlainly(setup.site));
        state.SetIterationTime(handler.back());
    }
    state.counters["handler_ms"] = Median(handler) * 1e3;
    state.counters["floor_ms"] = Median(floor) * 1e3;
    state.counters["colonies"] = kSiteColonies;
}

double ReadPlainly()
{
    sqlite3* db = nullptr;
    sqlite3_open(ToUtf8(kJournalDatabase).c_str(), &db);
    sqlite3_stmt* select = nullptr;
    const Clock::time_point start = Clock::now();
    sqlite3_prepare16_v2(db,
        u"SELECT t.*, c.id_family FROM treatments t JOIN care_colonies c ON c.kind=1 AND c.id_entry=t.id_treatment "
        u"ORDER BY t.date_start",
        -1, &select, nullptr);
    std::size_t characters = 0;
    while (sqlite3_step(select) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(select); ++column) {
            if (const void* text = sqlite3_column_text16(select, column))
                characters += std::char_traits<char16_t>::length(static_cast<const char16_t*>(text));
        }
    }
    sqlite3_finalize(select);
    const double seconds = Seconds(Clock::now() - start);
    sqlite3_close(db);
    benchmark::DoNotOptimize(characters);
    return seconds;
}

void Register(benchmark::State& state, const std::string& file)
{
    JournalCopy copy(file);
    const Setup setup = Prepare();
    CCareHandler& care = GetJournalHandlers()->care;
    std::size_t treatments = 0;
    for (const auto& [id, site] : GetPointFamilyCache()->Points()) {
        const std::vector<std::int32_t> colonies = GetPointFamilyCache()->FamiliesOf(id);
        if (colonies.empty())
            continue;
        for (int month : { 4, 7, 9 }) {
            Treatment treatment = TreatmentOf(setup.product, colonies, month);
            treatments += care.AddTreatment(treatment) != 0;
        }
        for (std::size_t index = 0; index < colonies.size(); index += 10) {
            Treatment own = TreatmentOf(setup.product, { colonies[index] }, 10);
            treatments += care.AddTreatment(own) != 0;
        }
    }
    std::vector<double> filled;
    std::vector<double> floor;
    int sheets = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        CTableDrawer grid(nullptr);
        FillRegister(grid, kYear);
        CTablePrint content(u"Register");
        content.AddTable(grid, {});
        sheets = content.Paginate(CSize(kSheetWidth, kSheetHeight));
        filled.push_back(Seconds(Clock::now() - start));
        floor.push_back(ReadPlainly());
        state.SetIterationTime(filled.back());
    }
    state.counters["register_ms"] = Median(filled) * 1e3;
    state.counters["floor_ms"] = Median(floor) * 1e3;
    state.counters["treatments"] = static_cast<double>(treatments);
    state.counters["sheets"] = sheets;
}

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tolvik_care_bench [benchmark flags] JOURNAL...\n");
        return 2;
    }
    EnsureToolkit();
    GetLanguageManager()->Initialize();
    for (int i = 1; i < argc; ++i) {
        const std::string file = std::filesystem::absolute(argv[i]).string();
        const std::string name = std::filesystem::path(file).filename().string();
        benchmark::RegisterBenchmark(("SiteTreatment/" + name).c_str(), SiteTreatment, file)
            ->UseManualTime()
            ->Iterations(30)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Register/" + name).c_str(), Register, file)
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
