#include "WinterLosses.h"

#include "Calendar.h"
#include "ColonyEventCache.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {
// What a colony's winters need of its life: when it began (unknown for a colony added without
// records), when and how it ended, and its moves between sites.
struct ColonyLife
{
    std::optional<std::int64_t> start;
    std::optional<std::int64_t> end;
    const CColonyEventCache::Loss* loss = nullptr;
    std::int32_t site = 0;
    // Each move's date and the site it left, in date order.
    std::vector<std::pair<std::int64_t, std::int32_t>> moves;

    // The site it stood at on the day; a move on the day itself has taken it there.
    std::int32_t SiteOn(std::int64_t date) const
    {
        for (const auto& [moved, from] : moves) {
            if (moved > date)
                return from;
        }
        return site;
    }
};

ColonyLife LifeOf(std::int32_t idFamily, const CPointFamilyCache::Family& family)
{
    const CColonyEventCache* events = GetColonyEventCache();
    ColonyLife life;
    life.site = family.id_point;
    life.loss = events->LossOf(idFamily);
    for (const CColonyEventCache::Event& event : events->EventsOf(idFamily)) {
        const bool madeIt = (event.kind == ColonyEventKind::Split || event.kind == ColonyEventKind::Swarm)
            && event.id_other_family == idFamily;
        if (madeIt)
            life.start = event.date;
        else if (event.kind == ColonyEventKind::Unite && event.id_other_family == idFamily)
            life.end = event.date;
        else if (event.kind == ColonyEventKind::Move && event.id_family == idFamily)
            life.moves.emplace_back(event.date, event.id_point_from);
    }
    if (life.loss)
        life.end = life.loss->date;
    if (!life.start) {
        const CJournalCache* journal = GetJournalCache();
        for (const std::int32_t id : journal->RecordsOf(idFamily)) {
            if (const CJournalCache::Record* record = journal->FindRecord(id))
                life.start = std::min(life.start.value_or(record->date), record->date);
        }
    }
    return life;
}
}

std::int64_t WinterStart(int year)
{
    return LocalMidnight(year, 10, 1);
}

std::int64_t WinterEnd(int year)
{
    return LocalMidnight(year + 1, 5, 1) - 1;
}

std::vector<WinterLoss> WinterLosses(std::int32_t idPoint, std::int64_t now)
{
    std::vector<ColonyLife> lives;
    std::optional<int> firstYear;
    for (const auto& [idFamily, family] : GetPointFamilyCache()->Families()) {
        ColonyLife life = LifeOf(idFamily, family);
        // Without a record or the event that made it, nothing tells when the colony began.
        if (!life.start)
            continue;
        for (const std::optional<std::int64_t>& date : { life.start, life.end }) {
            if (date)
                firstYear = std::min(firstYear.value_or(YearOf(*date)), YearOf(*date));
        }
        lives.push_back(std::move(life));
    }
    std::vector<WinterLoss> winters;
    for (int year = firstYear.value_or(0); firstYear && WinterStart(year) <= now; ++year) {
        const std::int64_t start = WinterStart(year);
        const std::int64_t end = WinterEnd(year);
        WinterLoss winter { year };
        for (const ColonyLife& life : lives) {
            const bool alive = *life.start <= start && life.end.value_or(start) >= start;
            if (!alive || (idPoint != 0 && life.SiteOn(start) != idPoint))
                continue;
            ++winter.alive;
            if (life.loss && life.loss->date <= end) {
                ++winter.lost;
                ++winter.causes[life.loss->cause];
            }
        }
        if (winter.alive > 0)
            winters.push_back(std::move(winter));
    }
    return winters;
}
