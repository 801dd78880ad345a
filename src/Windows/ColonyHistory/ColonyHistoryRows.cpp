#include "ColonyHistoryRows.h"

#include "CareCache.h"
#include "CareWords.h"
#include "ColonyEventWords.h"
#include "JournalCache.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "TaskWords.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>
#include <set>

namespace {
using Event = CColonyEventCache::Event;

std::u16string SplitText(const Event& event, std::int32_t shownIn)
{
    const bool mother = event.id_family == shownIn;
    return TrFilled(mother ? StringId::HistorySplit : StringId::HistorySplitFrom,
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
        return event.id_family == shownIn ? TrFilled(StringId::HistoryUnitedWith, { ColonyNameOf(event.id_other_family) })
                                          : TrFilled(StringId::HistoryUnitedIntoColony, { ColonyNameOf(event.id_family) });
    case ColonyEventKind::Requeen:
        return Tr(StringId::HistoryRequeened);
    case ColonyEventKind::Swarm:
        if (event.id_family != shownIn)
            return TrFilled(StringId::HistorySwarmFrom, { ColonyNameOf(event.id_family) });
        return event.caught
            ? TrFilled(StringId::HistorySwarmCaught, { ColonyNameOf(event.id_other_family), SiteNameOf(event.id_point_to) })
            : Tr(StringId::HistorySwarmLost);
    case ColonyEventKind::Move:
        return TrFilled(StringId::HistoryMoved, { SiteNameOf(event.id_point_from), SiteNameOf(event.id_point_to) });
    case ColonyEventKind::Loss:
        return TrFilled(StringId::HistoryLost,
            { LossCauseWord(event.cause) });
    default:
        return {};
    }
}

// The efficacy over all the colonies the treatment was given to, where more than one has counts
// around it: "; on average 70 % in 4 colonies".
std::u16string AverageEfficacyText(const Treatment& treatment)
{
    double sum = 0.0;
    int colonies = 0;
    for (const std::int32_t colony : treatment.colonies) {
        const std::optional<double> efficacy
            = Efficacy(GetCareCache()->CountsOf(colony), treatment.date_start, treatment.date_end);
        if (efficacy) {
            sum += *efficacy;
            ++colonies;
        }
    }
    if (colonies < 2)
        return {};
    return u"; " + TrFilled(StringId::HistorySiteEfficacy, { DecimalText(sum / colonies), IntToText(colonies) });
}
}

std::u16string DescribeEvent(const Event& event, std::int32_t shownIn)
{
    std::u16string text = MainText(event, shownIn);
    for (const CColonyEventCache::EventQueen& touched : event.queens) {
        text += u"; " + TrFilled(StringId::HistoryQueen, { QueenNameOf(touched.id_queen_bee), QueenFateWord(touched.fate) });
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
                rows.push_back({ event.date, prefix + DescribeEvent(event, colony), event.note, event.id_event, 0, {} });
        }
        const CCareCache* care = GetCareCache();
        const std::vector<MiteCount> counts = care->CountsOf(colony);
        for (const Treatment* treatment : care->TreatmentsOf(colony)) {
            std::u16string what = prefix + DescribeTreatment(*treatment);
            if (const std::optional<double> efficacy = Efficacy(counts, treatment->date_start, treatment->date_end))
                what += u"; " + TrFilled(StringId::HistoryEfficacy, { DecimalText(*efficacy) });
            what += AverageEfficacyText(*treatment);
            rows.push_back({ treatment->date_start, what, treatment->note, 0, 0, { CareEntry::Kind::Treatment, treatment->id } });
        }
        for (const MiteCount& count : counts) {
            rows.push_back({ count.date, prefix + DescribeMiteCount(count), count.note, 0, 0,
                { CareEntry::Kind::MiteCount, count.id } });
        }
        for (const Task* task : GetTaskCache()->TasksOf(colony)) {
            rows.push_back({ task->done ? task->doneOn : task->due, prefix + DescribeTask(*task), task->note, 0, 0,
                { CareEntry::Kind::Task, task->id } });
        }
        for (const Feeding* feeding : care->FeedingsOf(colony)) {
            rows.push_back({ feeding->date, prefix + DescribeFeeding(*feeding), feeding->note, 0, 0,
                { CareEntry::Kind::Feeding, feeding->id } });
        }
        for (const Harvest* harvest : care->HarvestsOf(colony)) {
            rows.push_back({ harvest->date, prefix + DescribeHarvest(*harvest), harvest->note, 0, 0,
                { CareEntry::Kind::Harvest, harvest->id } });
        }
        const CJournalCache* records = GetJournalCache();
        for (std::int32_t id : records->RecordsOf(colony)) {
            if (const CJournalCache::Record* record = records->FindRecord(id)) {
                rows.push_back({ record->date,
                    prefix + TrFilled(StringId::HistoryInspection, { IntToText(record->frame), IntToText(record->strength) }),
                    record->note, 0, id, {} });
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
