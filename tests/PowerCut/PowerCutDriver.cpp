// Drives the journal handlers with a long random sequence of changes, for the power-cut script:
//   tolvik_powercut run SEED COUNT [full]
//                                   appends "? change" before and "! change" after each handler
//                                   call to acks.log (flushed at once), in the working directory;
//                                   with full, on a disk whose free space the journal's growth
//                                   uses up and that is now and then given a little back, so that
//                                   changes fail anywhere inside; each failure says so once;
//   tolvik_powercut check            replays acks.log against Journal.db and prints what is wrong;
//   tolvik_powercut migrate          takes the schema steps on Journal.db and undoes them, over and
//                                    over, until killed;
//   tolvik_powercut check-schema     says whether Journal.db is whole and at a step with all it makes;
//   tolvik_powercut events SEED COUNT runs colony events and their undos, logged in events.log;
//   tolvik_powercut check-events     says whether Journal.db is at a state before or after each event.
// A change is acknowledged once its "!" line is written; only the last "?" may be unacknowledged.

#include "AckLog.h"
#include "DatabaseManager.h"
#include "EventDriver.h"
#include "FullDisk.h"
#include "JournalChecks.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "SchemaMigrations.h"
#include "SchemaTables.h"
#include "Text.h"
#include "WinApp.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
class Driver
{
public:
    explicit Driver(unsigned seed)
        : m_random(seed)
    {
        GetDatabaseManager()->Initialize();
        m_journal.Create();
    }

    // Frees up to bytes now and then, as a user deleting a file or two would.
    void FreeSome(FullDisk& disk, std::int64_t bytes)
    {
        if (Pick(20) == 0)
            disk.SetFree(disk.Free() + Pick(static_cast<int>(bytes)));
    }

    void Step()
    {
        const int choice = Pick(100);
        if (choice < 8 || Points().empty())
            AddPoint();
        else if (choice < 22 || GetPointFamilyCache()->Families().empty())
            AddFamily();
        else if (choice < 55)
            AddInspect();
        else if (choice < 68)
            ChangeInspect();
        else if (choice < 78)
            DeleteInspect();
        else if (choice < 84)
            AddQueen();
        else if (choice < 88)
            DeleteQueen();
        else if (choice < 93)
            DeleteFamily();
        else if (choice < 95)
            DeletePoint();
        else
            ChangePoint();
    }

private:
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    template <class Map>
    std::int32_t AnyKey(const Map& map)
    {
        auto it = map.begin();
        std::advance(it, Pick(static_cast<int>(map.size())));
        return it->first;
    }

    const std::map<std::int32_t, CPointFamilyCache::Point>& Points() { return GetPointFamilyCache()->Points(); }

    FieldValues Values(const char16_t* owner)
    {
        return { { u"Owner", owner }, { u"Mark", std::u16string(u"#") + static_cast<char16_t>(u'a' + Pick(26)) } };
    }

    CJournalCache::HiveRow Hive()
    {
        CJournalCache::HiveRow hive;
        hive.name_housing = u"Hive " + std::u16string(1, static_cast<char16_t>(u'A' + Pick(26)));
        hive.brood = Pick(12);
        hive.honey = Pick(12);
        return hive;
    }

    void AddPoint()
    {
        PointData point;
        point.name = u"Пасека O'Neill";
        point.values = Values(u"Ann");
        m_log.Intent("P+");
        if (const std::int32_t id = m_journal.AddPoint(point))
            m_log.Ack("P+ " + std::to_string(id));
    }

    void ChangePoint()
    {
        PointData point;
        point.id_point = AnyKey(Points());
        point.name = u"Meadow";
        point.values = Values(u"Bob");
        m_log.Intent("P~");
        if (m_journal.ChangePoint(point))
            m_log.Ack("P~ " + std::to_string(point.id_point));
    }

    void DeletePoint()
    {
        const std::int32_t id = AnyKey(Points());
        m_log.Intent("P- " + std::to_string(id));
        if (m_journal.DeletePoint(id))
            m_log.Ack("P- " + std::to_string(id));
    }

    void AddFamily()
    {
        FamilyData family;
        family.id_point = AnyKey(Points());
        family.name = u"Семья " + std::u16string(1, static_cast<char16_t>(u'А' + Pick(30)));
        family.values = Values(u"Clara");
        m_log.Intent("F+");
        if (const std::int32_t id = m_journal.AddFamily(family))
            m_log.Ack("F+ " + std::to_string(id) + " " + std::to_string(family.id_point));
    }

    void DeleteFamily()
    {
        const std::int32_t id = AnyKey(GetPointFamilyCache()->Families());
        m_log.Intent("F- " + std::to_string(id));
        if (m_journal.DeleteFamily(id))
            m_log.Ack("F- " + std::to_string(id));
    }

    void AddInspect()
    {
        InspectData inspect;
        inspect.record.id_family = AnyKey(GetPointFamilyCache()->Families());
        inspect.record.date = 1262304000 + static_cast<std::int64_t>(Pick(3650)) * 86400;
        inspect.record.strength = Pick(15);
        inspect.record.note = u"calm, 'gentle' bees";
        const int hives = 1 + Pick(3);
        for (int i = 0; i < hives; ++i)
            inspect.record.hives.push_back(Hive());
        inspect.values = Values(u"Dan");
        m_log.Intent("R+");
        if (const std::int32_t id = m_journal.AddInspect(inspect))
            m_log.Ack("R+ " + std::to_string(id) + " " + std::to_string(inspect.record.id_family) + " " + std::to_string(hives));
    }

    void ChangeInspect()
    {
        const auto& records = GetJournalCache()->Records();
        if (records.empty())
            return AddInspect();
        InspectData inspect;
        inspect.id_journal = AnyKey(records);
        inspect.record = records.at(inspect.id_journal);
        inspect.record.strength = Pick(15);
        const int hives = 1 + Pick(3);
        inspect.record.hives.clear();
        for (int i = 0; i < hives; ++i)
            inspect.record.hives.push_back(Hive());
        inspect.values = Values(u"Eve");
        const std::string change = "R~ " + std::to_string(inspect.id_journal) + " " + std::to_string(hives);
        m_log.Intent(change);
        if (m_journal.UpdateInspect(inspect))
            m_log.Ack(change);
    }

    void DeleteInspect()
    {
        const auto& records = GetJournalCache()->Records();
        if (records.empty())
            return AddInspect();
        const std::int32_t id = AnyKey(records);
        m_log.Intent("R- " + std::to_string(id));
        if (m_journal.DeleteInspect(id))
            m_log.Ack("R- " + std::to_string(id));
    }

    void AddQueen()
    {
        CQueenBeeCache::QueenBee queen;
        queen.name = u"Queen";
        queen.id_family = AnyKey(GetPointFamilyCache()->Families());
        m_log.Intent("Q+");
        if (const std::int32_t id = GetJournalHandlers()->queens.Add(queen))
            m_log.Ack("Q+ " + std::to_string(id));
    }

    void DeleteQueen()
    {
        const auto queens = GetQueenBeeCache()->QueensOf(AnyKey(GetPointFamilyCache()->Families()));
        if (queens.empty())
            return AddQueen();
        const std::int32_t id = AnyKey(queens);
        m_log.Intent("Q- " + std::to_string(id));
        GetJournalHandlers()->queens.Delete(id);
        if (!GetQueenBeeCache()->FindQueenBee(id))
            m_log.Ack("Q- " + std::to_string(id));
    }

    std::mt19937 m_random;
    CJournalComponent m_journal;
    AckLog m_log { "acks.log" };
};
}

namespace {
// What the steps made: their indexes and the tables beyond the eleven.
std::vector<std::u16string> StepObjects(IDatabase* database)
{
    RowList rows;
    database->ExecRequest(rows,
        u"SELECT type || ' ' || name FROM sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite%' "
        u"AND (type='index' OR type='table')");
    std::vector<std::u16string> eleven;
    for (const auto& table : CreateSchemaTables())
        eleven.push_back(u"table " + table->GetName());
    std::vector<std::u16string> made;
    for (const RowData& row : rows) {
        if (std::find(eleven.begin(), eleven.end(), row[0].second) == eleven.end())
            made.push_back(row[0].second);
    }
    return made;
}
}

// Everything the steps made goes, tables first (with their indexes), and the file is back at no
// step, in one transaction.
void UndoSchemaSteps(IDatabase* database)
{
    RowList rows;
    database->BeginTransaction(u"Undo schema steps");
    for (const char16_t* kind : { u"table ", u"index " }) {
        for (const std::u16string& object : StepObjects(database)) {
            if (object.rfind(kind, 0) == 0)
                database->ExecRequest(rows, u"DROP " + object);
        }
    }
    database->ExecRequest(rows, u"PRAGMA user_version = 0");
    database->EndTransaction(u"Undo schema steps");
}

// Empty when the journal is whole and holds exactly what the steps up to its version make.
std::string SchemaProblem()
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"PRAGMA quick_check");
    if (rows.size() != 1 || rows[0][0].second != u"ok")
        return "the journal fails its quick check";
    const int version = SchemaMigrations::FileVersion(database.get());
    std::size_t made = 0;
    for (const SchemaMigrations::Step& step : SchemaMigrations::Steps()) {
        if (step.version <= version)
            made += step.statements.size();
    }
    const std::size_t objects = StepObjects(database.get()).size();
    if (version <= SchemaMigrations::LatestVersion() && objects == made)
        return {};
    return "schema step " + std::to_string(version) + " with " + std::to_string(objects) + " of its tables and indexes";
}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    EnsureToolkit();
    // Any error box would wait for a user; it is answered and counted as a failure instead.
    MessageBoxResponder boxes;
    const bool full = argc == 5 && std::string(argv[4]) == "full";
    if (mode == "run" && (argc == 4 || full)) {
        // Before the journal is opened, so that its connection writes to the shrinking disk.
        std::unique_ptr<FullDisk> disk;
        if (full) {
            disk = std::make_unique<FullDisk>();
            disk->SetFree(64 * 1024);
        }
        Driver driver(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
        const long count = std::strtol(argv[3], nullptr, 10);
        for (long i = 0; i < count; ++i) {
            const std::size_t before = boxes.Calls().size();
            driver.Step();
            // A change the disk refused is told once; without the full disk nothing fails.
            if (boxes.Calls().size() > before + (full ? 1 : 0))
                return 3;
            if (full)
                driver.FreeSome(*disk, 4 * 1024);
        }
        return 0;
    }
    if (mode == "check") {
        const std::vector<std::string> problems = CheckJournalAgainst(ReadAckLog("acks.log"), "Journal.db");
        for (const std::string& problem : problems)
            std::cout << problem << '\n';
        std::cout << CountAcknowledged(ReadAckLog("acks.log")) << " acknowledged, " << problems.size() << " problems\n";
        return problems.empty() ? 0 : 1;
    }
    if (mode == "migrate") {
        CDatabaseLease database;
        for (;;) {
            if (SchemaMigrations::StateOf(database.get()) == SchemaMigrations::State::Current)
                UndoSchemaSteps(database.get());
            else
                SchemaMigrations::Migrate(database.get());
        }
    }
    if (mode == "events" && argc == 4) {
        RunEvents(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)), std::strtol(argv[3], nullptr, 10));
        // Refused events say nothing; a box would be a failure where nothing should fail.
        return boxes.Calls().empty() ? 0 : 3;
    }
    if (mode == "check-events") {
        const std::vector<std::string> problems = CheckEvents();
        for (const std::string& problem : problems)
            std::cout << problem << '\n';
        std::cout << (problems.empty() ? "events whole" : "events half there") << '\n';
        return problems.empty() ? 0 : 1;
    }
    if (mode == "check-schema") {
        const std::string problem = SchemaProblem();
        std::cout << (problem.empty() ? "schema whole" : problem) << '\n';
        return problem.empty() ? 0 : 1;
    }
    std::cerr << "usage: tolvik_powercut run SEED COUNT [full] | check | migrate | check-schema | events SEED COUNT | "
                 "check-events\n";
    return 2;
}
