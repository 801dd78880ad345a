// The journal at commercial size, in one run per journal file:
//   StoreLoading  the journal component's stores loaded from the file, against the floor: a plain
//                 prepare/step/column_text16 loop over the same statements into nothing, with
//                 SQLite's per-call mutex and without it;
//   StartLoading  what the start loads before the launcher shows, and the records' load at their
//                 first use, against the same floor;
//   Resident      resident memory after loading, measured in a fresh process, as a ratio to the file;
//   Handlers      add-inspection with two hive lines through the handler, a change and a delete of
//                 that record: medians.
//
//   tolvik_bench [benchmark flags] JOURNAL...

#include "DatabaseManager.h"
#include "HousingCache.h"
#include "JournalCache.h"
#include "JournalComponent.h"
#include "JournalCopy.h"
#include "JournalStores.h"
#include "Median.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "SchemaMigrations.h"
#include "Text.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string g_self;

// The statements the stores load with, in their order.
constexpr const char16_t* kLoadStatements[] = { u"SELECT * FROM points", u"SELECT * FROM families",
    u"SELECT * FROM journal", u"SELECT * FROM inspect", u"SELECT * FROM queen_bee",
    u"SELECT * FROM housings WHERE is_delete=0", u"SELECT * FROM type_housing", u"SELECT * FROM type_frame" };

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// The stores of the journal component, fresh for each load.
struct Stores
{
    CPointFamilyCache points;
    CJournalCache journal;
    CQueenBeeCache queens;
    CHousingCache housings;

    void Load(IDatabase* database)
    {
        points.Load(database);
        journal.Load(database);
        queens.Load(database);
        housings.Load(database);
    }
};

double LoadStores(const std::string& file)
{
    CDatabaseLease database(FromUtf8(file));
    auto stores = std::make_unique<Stores>();
    const Clock::time_point start = Clock::now();
    stores->Load(database.get());
    return Seconds(Clock::now() - start);
}

// The floor; `flags` tell whether SQLite's per-call mutex is in it (SQLITE_OPEN_FULLMUTEX, as
// plain sqlite3_open has it) or not (SQLITE_OPEN_NOMUTEX, as the program's connection).
double ReadPlainly(const std::string& file, int flags = SQLITE_OPEN_FULLMUTEX)
{
    const Clock::time_point start = Clock::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | flags, nullptr);
    for (const char16_t* text : kLoadStatements) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare16_v2(db, text, -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const int columns = sqlite3_column_count(statement);
            for (int i = 0; i < columns; ++i)
                benchmark::DoNotOptimize(sqlite3_column_text16(statement, i));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return Seconds(Clock::now() - start);
}

void StoreLoading(benchmark::State& state, const std::string& file)
{
    std::vector<double> stores;
    std::vector<double> floor;
    std::vector<double> unlocked;
    for (auto _ : state) {
        stores.push_back(LoadStores(file));
        floor.push_back(ReadPlainly(file));
        unlocked.push_back(ReadPlainly(file, SQLITE_OPEN_NOMUTEX));
        state.SetIterationTime(stores.back());
    }
    state.counters["stores_s"] = Median(stores);
    state.counters["floor_s"] = Median(floor);
    state.counters["floor_nomutex_s"] = Median(unlocked);
    state.counters["ratio"] = Median(stores) / Median(floor);
}

void StartLoading(benchmark::State& state, const std::string& file)
{
    std::vector<double> start;
    std::vector<double> records;
    std::vector<double> floor;
    for (auto _ : state) {
        {
            CDatabaseLease database(FromUtf8(file));
            Clock::time_point begin = Clock::now();
            LoadJournalStores(database.get());
            start.push_back(Seconds(Clock::now() - begin));
            begin = Clock::now();
            benchmark::DoNotOptimize(GetJournalCache()->Records().size());
            records.push_back(Seconds(Clock::now() - begin));
            // The next start's load must not count freeing every record read here.
            GetJournalCache()->LoadOnFirstUse(database->GetPath());
        }
        floor.push_back(ReadPlainly(file));
        state.SetIterationTime(start.back());
    }
    state.counters["start_s"] = Median(start);
    state.counters["records_s"] = Median(records);
    state.counters["floor_s"] = Median(floor);
    state.counters["ratio"] = Median(start) / Median(floor);
}

// What the first visit of a colony's records page (all its records) and of its site's colonies
// page (each colony's latest record) read from the store, on a journal that has taken the schema steps as the program's start makes it do.
void FirstVisits(benchmark::State& state, const std::string& file)
{
    CDatabaseLease database(FromUtf8(file));
    SchemaMigrations::Migrate(database.get());
    LoadJournalStores(database.get());
    const CPointFamilyCache* sites = GetPointFamilyCache();
    if (sites->Points().empty()) {
        state.SkipWithError("no site");
        return;
    }
    const std::int32_t idPoint = sites->Points().begin()->first;
    const std::vector<std::int32_t> colonies = sites->FamiliesOf(idPoint);
    std::vector<double> colony;
    std::vector<double> site;
    std::size_t shown = 0;
    for (auto _ : state) {
        GetJournalCache()->LoadOnFirstUse(database->GetPath());
        Clock::time_point start = Clock::now();
        shown = 0;
        for (std::int32_t id : GetJournalCache()->RecordsOf(colonies.front()))
            shown += GetJournalCache()->FindRecord(id)->hives.size() + 1;
        colony.push_back(Seconds(Clock::now() - start));
        GetJournalCache()->LoadOnFirstUse(database->GetPath());
        start = Clock::now();
        for (std::int32_t idFamily : colonies)
            benchmark::DoNotOptimize(GetJournalCache()->LatestRecordOf(idFamily));
        site.push_back(Seconds(Clock::now() - start));
        state.SetIterationTime(colony.back());
    }
    state.counters["colony_ms"] = Median(colony) * 1e3;
    state.counters["colony_records"] = static_cast<double>(GetJournalCache()->RecordsOf(colonies.front()).size());
    state.counters["site_ms"] = Median(site) * 1e3;
    state.counters["site_colonies"] = static_cast<double>(colonies.size());
    state.counters["floor_s"] = ReadPlainly(file);
    benchmark::DoNotOptimize(shown);
}

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    }
    return 0;
}

// In a fresh process, so that nothing measured before is counted; loaded as the program's start
// loads.
int PrintResidentAfterLoad(const std::string& file)
{
    CDatabaseLease database(FromUtf8(file));
    LoadJournalStores(database.get());
    std::printf("%ld\n", ResidentKb());
    return 0;
}

void Resident(benchmark::State& state, const std::string& file)
{
    long kb = 0;
    for (auto _ : state) {
        FILE* child = popen(("'" + g_self + "' --resident '" + file + "'").c_str(), "r");
        if (!child || std::fscanf(child, "%ld", &kb) != 1)
            state.SkipWithError("the measuring process failed");
        if (child)
            pclose(child);
    }
    const double fileMb = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["resident_MB"] = static_cast<double>(kb) * 1024 / 1e6;
    state.counters["file_MB"] = fileMb;
    state.counters["ratio"] = static_cast<double>(kb) * 1024 / 1e6 / fileMb;
}

InspectData NewInspection(std::int32_t idFamily, std::int64_t date)
{
    InspectData inspect;
    inspect.record.id_family = idFamily;
    inspect.record.date = date;
    inspect.record.frame = 12;
    inspect.record.strength = 9;
    inspect.record.note = u"Осмотр: 'всё в порядке'";
    inspect.record.hives = { { 1, u"Улей 1", 5, 3, 2, 2, 1 }, { 2, u"Hive 2", 4, 2, 1, 1, 0 } };
    inspect.values = { { u"Погода", u"Ясно" } };
    return inspect;
}

// The stores' share of a handler is a map insert or erase; the journal's stores stay unloaded here
// so that one process can measure journals of every size.
void Handlers(benchmark::State& state, const std::string& file)
{
    JournalCopy copy(file);
    CJournalComponent component;
    std::vector<double> add;
    std::vector<double> change;
    std::vector<double> remove;
    for (auto _ : state) {
        InspectData inspect = NewInspection(1, 1700000000);
        Clock::time_point start = Clock::now();
        const std::int32_t id = component.AddInspect(inspect);
        add.push_back(Seconds(Clock::now() - start));
        inspect.record.strength = 10;
        inspect.record.note = u"Changed: queen's cells 🐝";
        start = Clock::now();
        const bool changed = component.UpdateInspect(inspect);
        change.push_back(Seconds(Clock::now() - start));
        start = Clock::now();
        const bool deleted = component.DeleteInspect(id);
        remove.push_back(Seconds(Clock::now() - start));
        if (id == 0 || !changed || !deleted)
            state.SkipWithError("a handler failed");
        state.SetIterationTime(add.back());
    }
    state.counters["add_ms"] = Median(add) * 1e3;
    state.counters["change_ms"] = Median(change) * 1e3;
    state.counters["delete_ms"] = Median(remove) * 1e3;
}

}

int main(int argc, char** argv)
{
    g_self = std::filesystem::canonical("/proc/self/exe").string();
    if (argc == 3 && std::string(argv[1]) == "--resident")
        return PrintResidentAfterLoad(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tolvik_bench [benchmark flags] JOURNAL...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string file = std::filesystem::absolute(argv[i]).string();
        const std::string name = std::filesystem::path(file).filename().string();
        benchmark::RegisterBenchmark(("StoreLoading/" + name).c_str(), StoreLoading, file)
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("StartLoading/" + name).c_str(), StartLoading, file)
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Resident/" + name).c_str(), Resident, file)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("FirstVisits/" + name).c_str(), FirstVisits, file)
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Handlers/" + name).c_str(), Handlers, file)
            ->UseManualTime()
            ->Iterations(100)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
