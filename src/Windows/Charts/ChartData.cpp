#include "ChartData.h"

#include "Calendar.h"
#include "CareCache.h"
#include "ColonyEventCache.h"
#include "ColonyEventWords.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <set>

namespace {
// Sums of many records stay within what a bar can show.
int Clamped(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// The records of the colony, each visited once.
template <typename Visit>
void ForEachRecord(std::int32_t idFamily, Visit visit)
{
    const CJournalCache* journal = GetJournalCache();
    for (const std::int32_t id : journal->RecordsOf(idFamily)) {
        if (const CJournalCache::Record* record = journal->FindRecord(id))
            visit(id, *record);
    }
}
}

std::vector<ColonyChartRecord> ColonyChartRecords(std::int32_t idFamily)
{
    std::vector<ColonyChartRecord> records;
    ForEachRecord(idFamily, [&](std::int32_t id, const CJournalCache::Record& record) {
        std::int64_t brood = 0;
        std::int64_t honey = 0;
        for (const CJournalCache::HiveRow& hive : record.hives) {
            brood += hive.brood;
            honey += hive.honey;
        }
        records.push_back({ id, record.date, { record.strength, record.frame, Clamped(brood), Clamped(honey) } });
    });
    std::sort(records.begin(), records.end(), [](const ColonyChartRecord& a, const ColonyChartRecord& b) {
        return a.date != b.date ? a.date < b.date : a.id < b.id;
    });
    return records;
}

std::vector<ColonyChartMark> ColonyChartMarks(std::int32_t idFamily)
{
    std::vector<ColonyChartMark> marks;
    for (const CColonyEventCache::Event& event : GetColonyEventCache()->EventsOf(idFamily)) {
        std::u16string label = EventKindWord(event.kind);
        if (!label.empty())
            marks.push_back({ event.date, std::move(label) });
    }
    return marks;
}

std::vector<int> SiteSeasons(std::int32_t idPoint)
{
    std::set<int, std::greater<>> years;
    for (const std::int32_t idFamily : GetPointFamilyCache()->FamiliesOf(idPoint)) {
        ForEachRecord(idFamily, [&](std::int32_t, const CJournalCache::Record& record) { years.insert(YearOf(record.date)); });
        for (const Harvest* harvest : GetCareCache()->HarvestsOf(idFamily))
            years.insert(YearOf(harvest->date));
    }
    return { years.begin(), years.end() };
}

std::vector<ColonyChartPeriod> ColonyChartPeriods(std::int32_t idFamily)
{
    std::vector<ColonyChartPeriod> periods;
    for (const Treatment* treatment : GetCareCache()->TreatmentsOf(idFamily))
        periods.push_back({ treatment->date_start, DaysAfter(treatment->date_end, 1) });
    return periods;
}

std::vector<BarGroup> SiteSeasonGroups(std::int32_t idPoint, int year)
{
    struct Colony
    {
        std::u16string name;
        std::int64_t honey = 0;
        std::int64_t latest = 0;
        std::int32_t latestId = 0;
        int strength = 0;
    };
    std::vector<Colony> colonies;
    const CPointFamilyCache* cache = GetPointFamilyCache();
    const std::map<std::int32_t, double> harvested = HarvestByColony(GetCareCache()->Harvests(), year);
    for (const std::int32_t idFamily : cache->FamiliesOf(idPoint)) {
        const CPointFamilyCache::Family* family = cache->FindFamily(idFamily);
        Colony colony;
        bool any = false;
        ForEachRecord(idFamily, [&](std::int32_t id, const CJournalCache::Record& record) {
            if (YearOf(record.date) != year)
                return;
            colony.honey += record.evacuation;
            if (!any || record.date > colony.latest || (record.date == colony.latest && id > colony.latestId)) {
                colony.latest = record.date;
                colony.latestId = id;
                colony.strength = record.strength;
            }
            any = true;
        });
        // The weighed harvests stand for the records' own figure of that year.
        if (const auto weighed = harvested.find(idFamily); weighed != harvested.end()) {
            colony.honey = std::llround(weighed->second);
            any = true;
        }
        if (any && family) {
            colony.name = family->name;
            colonies.push_back(std::move(colony));
        }
    }
    std::stable_sort(colonies.begin(), colonies.end(), [](const Colony& a, const Colony& b) {
        return a.honey != b.honey ? a.honey > b.honey : a.name < b.name;
    });
    std::vector<BarGroup> groups;
    groups.reserve(colonies.size());
    for (Colony& colony : colonies)
        groups.push_back({ std::move(colony.name), { Clamped(colony.honey), colony.strength } });
    return groups;
}

HoneyBySiteAndYear HoneyPerSiteAndYear()
{
    std::map<std::int32_t, std::map<int, std::int64_t>> honey;
    std::set<int> years;
    const CPointFamilyCache* cache = GetPointFamilyCache();
    for (const auto& [idPoint, point] : cache->Points()) {
        for (const std::int32_t idFamily : cache->FamiliesOf(idPoint)) {
            ForEachRecord(idFamily, [&](std::int32_t, const CJournalCache::Record& record) {
                const int year = YearOf(record.date);
                honey[idPoint][year] += record.evacuation;
                years.insert(year);
            });
        }
    }
    HoneyBySiteAndYear result { { years.begin(), years.end() }, {} };
    for (const auto& [idPoint, perYear] : honey) {
        BarGroup site { cache->FindPoint(idPoint)->name, {} };
        for (const int year : result.years) {
            const auto found = perYear.find(year);
            site.values.push_back(found == perYear.end() ? 0 : Clamped(found->second));
        }
        result.sites.push_back(std::move(site));
    }
    return result;
}
