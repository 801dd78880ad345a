#include "ColonyLives.h"

#include "Calendar.h"
#include "IDatabase.h"
#include "LoseColonyOperation.h"
#include "MoveColonyOperation.h"
#include "RequeenOperation.h"
#include "SplitColonyOperation.h"
#include "SwarmOperation.h"
#include "Text.h"
#include "UniteColoniesOperation.h"

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kFirstSeason = 2021;
constexpr int kSeasons = 5;
// One colony in so many starts a breeding line: it and its daughters are split most springs.
constexpr std::int64_t kBreederEvery = 40;

constexpr std::array kSplitNotes { u"", u"Отводок на зрелый маточник", u"Nuc from the strongest colony", u"Сильный отводок" };
constexpr std::array kLossNotes { u"", u"Клуб на сотах без мёда", u"Mites on the bottom board", u"Нашли весной, улей пуст" };

struct Colony
{
    std::int32_t id = 0;
    std::int32_t site = 0;
    std::u16string name;
    bool breeder = false;
    bool ended = false;
    int daughters = 0;
};

class ColonyLives
{
public:
    ColonyLives(IDatabase* database, std::int64_t sites, std::int64_t colonies, unsigned seed)
        : m_db(database)
        , m_sites(static_cast<std::int32_t>(sites))
        , m_random(seed + 1000u)
    {
        const RowList rows = Rows(u"SELECT id_family, id_point, name FROM families ORDER BY id_family");
        for (const RowData& row : rows) {
            const std::int32_t id = WToI(row[0].second);
            m_colonies.push_back({ id, WToI(row[1].second), row[2].second, (id - 1) % kBreederEvery == 0 });
        }
        m_colonies.reserve(static_cast<std::size_t>(colonies) * 3);
    }

    std::int64_t Run()
    {
        for (int season = kFirstSeason; season < kFirstSeason + kSeasons; ++season) {
            // Only colonies alive at the spring's start take part in it.
            const std::size_t count = m_colonies.size();
            for (std::size_t i = 0; i < count; ++i)
                Spring(i, season);
            for (std::size_t i = 0; i < m_colonies.size(); ++i)
                Summer(i, season);
            for (std::size_t i = 0; i < m_colonies.size(); ++i)
                Winter(i, season);
        }
        return m_events;
    }

private:
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::int64_t Day(int year, int month, int firstDay, int lastDay)
    {
        return LocalMidnight(year, month, Between(firstDay, lastDay)) + 12 * 3600;
    }
    RowList Rows(const std::u16string& sql)
    {
        RowList rows;
        m_db->ExecRequest(rows, sql);
        return rows;
    }
    std::int32_t LivingQueenOf(std::int32_t idFamily)
    {
        const RowList rows = Rows(u"SELECT id_queen_bee FROM queen_bee WHERE id_family=" + IntToText(idFamily)
            + u" AND (is_dead IS NULL OR is_dead=0) ORDER BY id_queen_bee DESC LIMIT 1");
        return rows.empty() ? 0 : WToI(rows[0][0].second);
    }
    std::int32_t OtherSite(std::int32_t site)
    {
        return m_sites < 2 ? site : 1 + (site - 1 + Between(1, m_sites - 1)) % m_sites;
    }

    template <class Operation>
    bool Run(Operation& operation, std::int32_t idFamily, std::int64_t date, const std::u16string& note = u"")
    {
        operation.record.id_family = idFamily;
        operation.record.date = date;
        operation.record.note = note;
        operation.Execute(m_db);
        if (operation.record.id_event == 0)
            return false;
        ++m_events;
        return true;
    }

    // A daughter named after her mother, "Colony №17.2", as beekeepers number a line.
    void AddDaughter(std::size_t mother, std::int32_t id, std::int32_t site)
    {
        Colony& parent = m_colonies[mother];
        const std::u16string name = parent.name + u"." + IntToText(++parent.daughters);
        m_colonies.push_back({ id, site, name, parent.breeder });
    }
    std::u16string NextDaughterName(std::size_t mother) const
    {
        return m_colonies[mother].name + u"." + IntToText(m_colonies[mother].daughters + 1);
    }

    void Spring(std::size_t i, int year)
    {
        if (m_colonies[i].ended || !Chance(m_colonies[i].breeder ? 0.45 : 0.02))
            return;
        CSplitColonyOperation split;
        const Colony colony = m_colonies[i];
        split.record.name = NextDaughterName(i);
        split.record.id_point = Chance(0.7) ? colony.site : OtherSite(colony.site);
        split.record.brood_frames = Between(2, 4);
        split.record.honey_frames = Between(1, 2);
        split.record.bee_frames = Between(1, 3);
        const int choice = Between(0, 9);
        split.record.daughter_queen = choice < 5 ? DaughterQueen::QueenCell : DaughterQueen::None;
        if (choice >= 8) {
            if (const std::int32_t queen = LivingQueenOf(colony.id)) {
                split.record.daughter_queen = DaughterQueen::OldQueen;
                split.record.id_queen_bee = queen;
            }
        }
        if (Run(split, colony.id, Day(year, 5, 1, 20), kSplitNotes[static_cast<std::size_t>(Between(0, 3))]))
            AddDaughter(i, split.record.id_daughter, split.record.id_point);
    }

    void Summer(std::size_t i, int year)
    {
        const Colony colony = m_colonies[i];
        if (colony.ended)
            return;
        if (Chance(colony.breeder ? 0.1 : 0.04)) {
            CSwarmOperation swarm;
            swarm.record.id_queen_bee = LivingQueenOf(colony.id);
            swarm.record.caught = Chance(0.55);
            swarm.record.name = NextDaughterName(i);
            swarm.record.id_point = colony.site;
            if (Run(swarm, colony.id, Day(year, 6, 1, 25)) && swarm.record.caught)
                AddDaughter(i, swarm.record.id_swarm_family, colony.site);
        }
        if (Chance(0.03)) {
            CMoveColonyOperation move;
            move.record.id_point = OtherSite(colony.site);
            if (move.record.id_point != colony.site && Run(move, colony.id, Day(year, 7, 1, 20)))
                m_colonies[i].site = move.record.id_point;
        }
        if (Chance(0.06)) {
            CRequeenOperation requeen;
            requeen.record.id_old_queen = LivingQueenOf(colony.id);
            requeen.record.old_fate = Chance(0.3) ? QueenFate::Superseded : QueenFate::Killed;
            requeen.record.new_name = u"Матка " + IntToText(year) + u"-" + IntToText(colony.id);
            requeen.record.new_fert = u"Плодная";
            requeen.record.new_mother = Chance(0.5) ? requeen.record.id_old_queen : 0;
            Run(requeen, colony.id, Day(year, 8, 1, 25));
        }
        if (Chance(0.025))
            Unite(i, year);
    }

    // A weak colony is united with the next living one at its site.
    void Unite(std::size_t i, int year)
    {
        for (std::size_t j = i + 1; j < m_colonies.size(); ++j) {
            if (m_colonies[j].ended || m_colonies[j].site != m_colonies[i].site)
                continue;
            CUniteColoniesOperation unite;
            unite.record.id_other_family = m_colonies[i].id;
            unite.record.id_removed_queen = LivingQueenOf(m_colonies[i].id);
            unite.record.removed_fate = QueenFate::Killed;
            if (Run(unite, m_colonies[j].id, Day(year, 9, 10, 30)))
                m_colonies[i].ended = true;
            return;
        }
    }

    void Winter(std::size_t i, int year)
    {
        if (m_colonies[i].ended || !Chance(0.1))
            return;
        // Varroa first, then starvation and queen failure, as beekeepers' surveys find them.
        constexpr std::array kCauses { LossCause::Varroa, LossCause::Varroa, LossCause::Varroa, LossCause::Varroa,
            LossCause::Starvation, LossCause::Starvation, LossCause::QueenFailure, LossCause::QueenFailure,
            LossCause::Robbing, LossCause::Poisoning, LossCause::Other };
        CLoseColonyOperation loss;
        loss.record.cause = kCauses[static_cast<std::size_t>(Between(0, static_cast<int>(kCauses.size()) - 1))];
        const bool early = Chance(0.4);
        const std::int64_t date = early ? Day(year, 12, 1, 28) : Day(year + 1, Between(1, 3), 1, 28);
        if (Run(loss, m_colonies[i].id, date, kLossNotes[static_cast<std::size_t>(Between(0, 3))]))
            m_colonies[i].ended = true;
    }

    IDatabase* m_db;
    std::int32_t m_sites;
    std::mt19937_64 m_random;
    std::vector<Colony> m_colonies;
    std::int64_t m_events = 0;
};

}

std::int64_t WriteColonyLives(IDatabase* database, std::int64_t sites, std::int64_t colonies, unsigned seed)
{
    database->BeginTransaction(u"ColonyLives");
    const std::int64_t events = ColonyLives(database, sites, colonies, seed).Run();
    database->EndTransaction(u"ColonyLives");
    return events;
}
