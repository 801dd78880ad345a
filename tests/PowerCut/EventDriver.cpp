#include "EventDriver.h"

#include "../Database/TableDump.h"
#include "AckLog.h"
#include "ColonyEventCache.h"
#include "DatabaseManager.h"
#include "JournalChanges.h"
#include "LoseColonyOperation.h"
#include "MoveColonyOperation.h"
#include "RequeenOperation.h"
#include "SchemaMigrations.h"
#include "SplitColonyOperation.h"
#include "SwarmOperation.h"
#include "Text.h"
#include "UndoColonyEventOperation.h"
#include "UniteColoniesOperation.h"

#include <cstdio>
#include <random>
#include <set>

namespace {
constexpr char kLog[] = "events.log";
constexpr std::size_t kHashLength = 16;
constexpr std::int64_t kDay = 86400;

std::string StateHash(IDatabase* database)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (const auto& [table, rows] : DumpTables(database)) {
        for (const std::u16string& text : { table, std::u16string(1, u'#') }) {
            for (const char16_t c : text)
                hash = (hash ^ c) * 1099511628211ull;
        }
        for (const std::u16string& row : rows) {
            for (const char16_t c : row)
                hash = (hash ^ c) * 1099511628211ull;
            hash = (hash ^ u'\n') * 1099511628211ull;
        }
    }
    char text[kHashLength + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::vector<std::int32_t> Ids(IDatabase* database, const std::u16string& query)
{
    RowList rows;
    database->ExecRequest(rows, query);
    std::vector<std::int32_t> ids;
    for (const RowData& row : rows)
        ids.push_back(WToI(row.front().second));
    return ids;
}

class EventRunner
{
public:
    explicit EventRunner(unsigned seed)
        : m_random(seed)
    {
        GetDatabaseManager()->Initialize();
        SchemaMigrations::Migrate(m_database.get());
        if (Ids(m_database.get(), u"SELECT id_point FROM points").empty())
            Change("setup", [](IDatabase* database) {
                RowList rows;
                for (const char16_t* statement :
                    { u"INSERT INTO points(name) VALUES('North'), ('South'), ('Heath')",
                        u"INSERT INTO families(name, id_point, type, note, id_record) VALUES('A', 1, 0, NULL, 0), "
                        u"('B', 1, NULL, 'x', NULL), ('C', 2, 1, '', 0), ('D', 3, 0, NULL, 0)",
                        u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date, is_dead) VALUES"
                        u"('Q1', 1, 0, '01.06.2020 00:00:00', 0), ('Q2', 2, 1, '01.06.2020 00:00:00', NULL), "
                        u"('Q3', 3, 0, '01.06.2020 00:00:00', 0), ('Q4', NULL, 1, '01.06.2020 00:00:00', 0)" })
                    database->ExecRequest(rows, statement);
            });
        CColonyEventsTable events;
        events.SelectEach(m_database.get(), [this](const CColonyEventsTable::content& row) {
            m_day = std::max(m_day, row.date);
        });
        GetColonyEventCache()->Load(m_database.get());
    }

    void Step()
    {
        m_day += Pick(2) * kDay;
        const int choice = Pick(100);
        if (choice < 15)
            Split();
        else if (choice < 25)
            Unite();
        else if (choice < 40)
            Requeen();
        else if (choice < 50)
            Swarm();
        else if (choice < 65)
            Move();
        else if (choice < 72)
            Lose();
        else
            Undo();
    }

private:
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    // One of the ids, 0 for none.
    std::int32_t Any(const std::vector<std::int32_t>& ids) { return ids.empty() ? 0 : ids[Pick(static_cast<int>(ids.size()))]; }
    std::int32_t AnyColony() { return Any(Ids(m_database.get(), u"SELECT id_family FROM families")); }
    std::int32_t AnySite() { return 1 + Pick(3); }
    std::int32_t AnyLivingQueenOf(std::int32_t idFamily)
    {
        return Any(Ids(m_database.get(),
            u"SELECT id_queen_bee FROM queen_bee WHERE ifnull(id_family, 0)=" + IntToText(idFamily)
                + u" AND NOT ifnull(is_dead, 0)"));
    }

    template <class Body>
    void Change(const std::string& kind, Body body)
    {
        m_log.Intent(kind + " " + StateHash(m_database.get()));
        const bool committed = InTransaction(u"Colony event", [&](IDatabase* database) {
            body(database);
            m_log.Intent("= " + StateHash(database));
        });
        if (!committed)
            return;
        m_log.Ack(kind);
        GetColonyEventCache()->Load(m_database.get());
    }

    template <class Operation>
    void Event(const std::string& kind, Operation& operation)
    {
        operation.record.date = m_day;
        operation.record.note = u"cut 'here'";
        Change(kind, [&](IDatabase* database) { operation.Execute(database); });
    }

    void Split()
    {
        CSplitColonyOperation split;
        split.record.id_family = AnyColony();
        split.record.name = u"Split";
        split.record.id_point = AnySite();
        split.record.brood_frames = Pick(4);
        split.record.daughter_queen = static_cast<DaughterQueen>(Pick(4));
        split.record.id_queen_bee = split.record.daughter_queen == DaughterQueen::OldQueen
            ? AnyLivingQueenOf(split.record.id_family)
            : AnyLivingQueenOf(0);
        Event("split", split);
    }

    void Unite()
    {
        CUniteColoniesOperation unite;
        unite.record.id_family = AnyColony();
        unite.record.id_other_family = AnyColony();
        unite.record.id_removed_queen = AnyLivingQueenOf(Pick(2) ? unite.record.id_family : unite.record.id_other_family);
        unite.record.removed_fate = Pick(2) ? QueenFate::Killed : QueenFate::Moved;
        Event("unite", unite);
    }

    void Requeen()
    {
        CRequeenOperation requeen;
        requeen.record.id_family = AnyColony();
        requeen.record.id_old_queen = AnyLivingQueenOf(requeen.record.id_family);
        requeen.record.old_fate = static_cast<QueenFate>(1 + Pick(3));
        requeen.record.id_new_queen = Pick(2) ? AnyLivingQueenOf(0) : 0;
        requeen.record.new_name = u"New";
        requeen.record.new_mother = requeen.record.id_old_queen;
        Event("requeen", requeen);
    }

    void Swarm()
    {
        CSwarmOperation swarm;
        swarm.record.id_family = AnyColony();
        swarm.record.id_queen_bee = AnyLivingQueenOf(swarm.record.id_family);
        swarm.record.caught = Pick(2) == 0;
        swarm.record.name = u"Swarm";
        swarm.record.id_point = AnySite();
        Event("swarm", swarm);
    }

    void Move()
    {
        CMoveColonyOperation move;
        move.record.id_family = AnyColony();
        move.record.id_point = AnySite();
        Event("move", move);
    }

    void Lose()
    {
        CLoseColonyOperation loss;
        loss.record.id_family = AnyColony();
        loss.record.cause = static_cast<LossCause>(1 + Pick(6));
        Event("loss", loss);
    }

    void Undo()
    {
        const CColonyEventCache::Event* latest = GetColonyEventCache()->LatestOf(AnyColony());
        if (!latest)
            return Lose();
        CUndoColonyEventOperation undo;
        undo.record.id_event = latest->id_event;
        Change("undo", [&](IDatabase* database) { undo.Delete(database); });
    }

    std::mt19937 m_random;
    CDatabaseLease m_database;
    AckLog m_log { kLog };
    std::int64_t m_day = 1577836800;
};
}

void RunEvents(unsigned seed, long count)
{
    EventRunner runner(seed);
    for (long i = 0; i < count; ++i)
        runner.Step();
}

std::vector<std::string> CheckEvents()
{
    std::vector<std::string> problems;
    // The states the file may be in after the changes read so far; empty before the first.
    std::set<std::string> possible;
    std::string before;
    std::string after;
    bool open = false;
    const auto close = [&](bool acknowledged, const std::string& change) {
        if (acknowledged && after.empty())
            problems.push_back(change + " acknowledged without its state");
        possible = acknowledged ? std::set<std::string> { after } : std::set<std::string> { before };
        if (!acknowledged && !after.empty())
            possible.insert(after);
        open = false;
    };
    for (const AckLine& line : ReadAckLog(kLog)) {
        const bool note = line.change.rfind("= ", 0) == 0;
        if (line.acknowledged) {
            close(true, line.change);
        } else if (note) {
            after = line.change.size() == 2 + kHashLength ? line.change.substr(2) : std::string();
        } else {
            if (open)
                close(false, line.change);
            const std::size_t space = line.change.rfind(' ');
            const std::string hash = space == std::string::npos ? std::string() : line.change.substr(space + 1);
            // A cut inside the "?" line: the change had not begun.
            if (hash.size() != kHashLength)
                break;
            if (!possible.empty() && possible.count(hash) == 0)
                problems.push_back(line.change + ": the journal was in a state no change left");
            before = hash;
            after.clear();
            open = true;
        }
    }
    if (open)
        close(false, "");
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"PRAGMA quick_check");
    if (rows.size() != 1 || rows[0][0].second != u"ok")
        problems.push_back("the journal fails its quick check");
    const std::string now = StateHash(database.get());
    if (!possible.empty() && possible.count(now) == 0)
        problems.push_back("the journal is half way through a change (" + now + ")");
    return problems;
}
