#include "ColonyHistoryRows.h"

#include "ColonyEventWords.h"
#include "JournalCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>
#include <set>

namespace {
using Event = CColonyEventCache::Event;

// The text with %1, %2 ... replaced in turn by the values.
std::u16string Filled(std::int32_t textId, const std::vector<std::u16string>& values)
{
    std::u16string text = Tr(textId);
    for (std::size_t index = 0; index < values.size(); ++index)
        text = ReplaceAll(std::move(text), u"%" + IntToText(static_cast<std::int64_t>(index + 1)), values[index]);
    return text;
}

std::u16string SplitText(const Event& event, std::int32_t shownIn)
{
    const bool mother = event.id_family == shownIn;
    return Filled(mother ? StringId::HistorySplit : StringId::HistorySplitFrom,
        { ColonyNameOf(mother ? event.id_other_family : event.id_family), SiteNameOf(event.id_point_to),
            IntToText(event.brood_frames), IntToText(event.honey_frames), IntToText(event.bee_frames),
            DaughterQueenWord(event.daughter_queen) });
}

std::u16string MainText(const Event& event, std::int32_t shownIn)
{
    switch (event.kind) {
    case ColonyEventKind::Split:
        return SplitText(event, shownIn);
    case ColonyEventKind::Unite:
        return event.id_family == shownIn ? Filled(StringId::HistoryUnitedWith, { ColonyNameOf(event.id_other_family) })
                                          : Filled(StringId::HistoryUnitedIntoColony, { ColonyNameOf(event.id_family) });
    case ColonyEventKind::Requeen:
        return Tr(StringId::HistoryRequeened);
    case ColonyEventKind::Swarm:
        if (event.id_family != shownIn)
            return Filled(StringId::HistorySwarmFrom, { ColonyNameOf(event.id_family) });
        return event.caught
            ? Filled(StringId::HistorySwarmCaught, { ColonyNameOf(event.id_other_family), SiteNameOf(event.id_point_to) })
            : Tr(StringId::HistorySwarmLost);
    case ColonyEventKind::Move:
        return Filled(StringId::HistoryMoved, { SiteNameOf(event.id_point_from), SiteNameOf(event.id_point_to) });
    case ColonyEventKind::Loss:
        return Filled(StringId::HistoryLost,
            { LossCauseWord(event.cause) });
    default:
        return {};
    }
}
}

std::u16string DescribeEvent(const Event& event, std::int32_t shownIn)
{
    std::u16string text = MainText(event, shownIn);
    for (const CColonyEventCache::EventQueen& touched : event.queens) {
        text += u"; " + Filled(StringId::HistoryQueen, { QueenNameOf(touched.id_queen_bee), QueenFateWord(touched.fate) });
    }
    return text;
}

std::vector<HistoryRow> ColonyHistoryRows(std::int32_t idFamily)
{
    const CColonyEventCache* events = GetColonyEventCache();
    std::vector<std::int32_t> colonies { idFamily };
    const std::vector<std::int32_t>& united = events->UnitedIn(idFamily);
    colonies.insert(colonies.end(), united.begin(), united.end());
    std::vector<HistoryRow> rows;
    std::set<std::int32_t> seen;
    for (std::int32_t colony : colonies) {
        // A row of a colony united in says whose it was.
        const std::u16string prefix = colony == idFamily ? u"" : ColonyNameOf(colony) + u": ";
        for (const Event& event : events->EventsOf(colony)) {
            if (seen.insert(event.id_event).second)
                rows.push_back({ event.date, prefix + DescribeEvent(event, colony), event.note, event.id_event, 0 });
        }
        const CJournalCache* records = GetJournalCache();
        for (std::int32_t id : records->RecordsOf(colony)) {
            if (const CJournalCache::Record* record = records->FindRecord(id)) {
                rows.push_back({ record->date,
                    prefix + Filled(StringId::HistoryInspection, { IntToText(record->frame), IntToText(record->strength) }),
                    record->note, 0, id });
            }
        }
    }
    // The journal keeps days, so a day's events and records keep the order they were entered in.
    std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
        if (a.date != b.date)
            return a.date < b.date;
        return a.id_event != 0 && b.id_event == 0;
    });
    return rows;
}
