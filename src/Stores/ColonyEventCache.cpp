#include "ColonyEventCache.h"

#include "ColonyEventQueensTable.h"
#include "ColonyEventsTable.h"
#include "DatabaseManager.h"
#include "Result.h"

#include <algorithm>

namespace {
CColonyEventCache::Event EventOf(const CColonyEventsTable::content& row)
{
    return { row.id_event, row.id_family, static_cast<ColonyEventKind>(row.kind), row.date, row.note,
        row.id_other_family, row.id_point_from, row.id_point_to, row.brood_frames, row.honey_frames, row.bee_frames,
        static_cast<DaughterQueen>(row.daughter_queen), row.caught, static_cast<LossCause>(row.cause), {} };
}

constexpr char16_t kEventsTable[] = u"colony_events";
}

void CColonyEventCache::Clear()
{
    m_path.reset();
    m_mothers.clear();
    m_daughters.Clear();
    m_losses.clear();
    m_unitedInto.clear();
    m_unitedIn.Clear();
    m_events.clear();
}

void CColonyEventCache::Load(IDatabase* database)
{
    // A reload (after an event, an undo or a restore) replaces what the store held.
    Clear();
    if (!database->HasTable(kEventsTable))
        return;
    m_path = database->GetPath();
    CColonyEventsTable events;
    events.SelectLinksAndEnds(database, [this](const CColonyEventsTable::content& row) {
        switch (static_cast<ColonyEventKind>(row.kind)) {
        case ColonyEventKind::Split:
        case ColonyEventKind::Swarm:
            // An uncaught swarm made no colony.
            if (row.id_other_family != 0) {
                m_mothers[row.id_other_family] = row.id_family;
                m_daughters.Add(row.id_family, row.id_other_family);
            }
            break;
        case ColonyEventKind::Unite:
            m_unitedInto[row.id_other_family] = row.id_family;
            m_unitedIn.Add(row.id_family, row.id_other_family);
            break;
        case ColonyEventKind::Loss:
            m_losses[row.id_family] = { row.id_event, row.date, static_cast<LossCause>(row.cause) };
            break;
        default:
            break;
        }
    });
}

const std::vector<CColonyEventCache::Event>& CColonyEventCache::EventsOf(std::int32_t idFamily) const
{
    static const std::vector<Event> none;
    if (!m_path || idFamily == 0)
        return none;
    const auto found = m_events.find(idFamily);
    if (found != m_events.end())
        return found->second;
    std::vector<Event>& events = m_events[idFamily];
    CDatabaseLease database(*m_path);
    CColonyEventsTable table;
    table.record.id_family = idFamily;
    table.SelectEach(database.get(), [&](const CColonyEventsTable::content& row) { events.push_back(EventOf(row)); });
    for (Event& event : events) {
        CColonyEventQueensTable queens;
        queens.record.id_event = event.id_event;
        const ReleasePtr<IResult> rows(queens.Select(database.get()));
        for (const auto* queen : RecordsOf<CColonyEventQueensTable::content>(rows.get()))
            event.queens.push_back({ queen->id_queen_bee, static_cast<QueenFate>(queen->fate) });
    }
    // Rows come in the order entered; the sort keeps that order within a day.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.date < b.date; });
    return events;
}

const CColonyEventCache::Event* CColonyEventCache::LatestOf(std::int32_t idFamily) const
{
    const std::vector<Event>& events = EventsOf(idFamily);
    return events.empty() ? nullptr : &events.back();
}

std::int32_t CColonyEventCache::MotherOf(std::int32_t idFamily) const
{
    const auto found = m_mothers.find(idFamily);
    return found != m_mothers.end() ? found->second : 0;
}

const std::vector<std::int32_t>& CColonyEventCache::DaughtersOf(std::int32_t idFamily) const
{
    return m_daughters.Of(idFamily);
}

const CColonyEventCache::Loss* CColonyEventCache::LossOf(std::int32_t idFamily) const
{
    const auto found = m_losses.find(idFamily);
    return found != m_losses.end() ? &found->second : nullptr;
}

std::int32_t CColonyEventCache::UnitedInto(std::int32_t idFamily) const
{
    const auto found = m_unitedInto.find(idFamily);
    return found != m_unitedInto.end() ? found->second : 0;
}

const std::vector<std::int32_t>& CColonyEventCache::UnitedIn(std::int32_t idFamily) const
{
    return m_unitedIn.Of(idFamily);
}

bool CColonyEventCache::HasEnded(std::int32_t idFamily) const
{
    return LossOf(idFamily) || UnitedInto(idFamily) != 0;
}

CColonyEventCache* GetColonyEventCache()
{
    static CColonyEventCache cache;
    return &cache;
}
