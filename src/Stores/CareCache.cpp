#include "CareCache.h"

#include "CareColoniesTable.h"
#include "FeedTypesTable.h"
#include "FeedingsTable.h"
#include "HarvestSupersTable.h"
#include "HarvestsTable.h"
#include "IDatabase.h"
#include "MiteCountsTable.h"
#include "TreatmentProductsTable.h"
#include "TreatmentsTable.h"

#include <algorithm>
#include <iterator>

namespace {
template <class Entry>
void SortByDate(std::vector<Entry>& entries, std::int64_t Entry::*date)
{
    std::stable_sort(entries.begin(), entries.end(), [date](const Entry& a, const Entry& b) { return a.*date < b.*date; });
}

template <class Entry>
const Entry* FindById(const std::vector<Entry>& entries, std::int32_t id)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [id](const Entry& entry) { return entry.id == id; });
    return found == entries.end() ? nullptr : &*found;
}

template <class Entry>
std::vector<const Entry*> GivenTo(const std::vector<Entry>& entries, std::int32_t idFamily)
{
    std::vector<const Entry*> given;
    for (const Entry& entry : entries) {
        if (std::find(entry.colonies.begin(), entry.colonies.end(), idFamily) != entry.colonies.end())
            given.push_back(&entry);
    }
    return given;
}
}

void CCareCache::Load(IDatabase* database)
{
    *this = CCareCache();
    if (database->HasTable(u"mite_counts")) {
        m_countsAvailable = true;
        CMiteCountsTable().SelectEach(database, [this](const CMiteCountsTable::content& row) {
            m_counts.push_back({ row.id_count, row.id_family, row.date, static_cast<MiteMethod>(row.method), row.mites,
                row.sample, row.days, row.note });
        });
        SortByDate(m_counts, &MiteCount::date);
    }
    if (!database->HasTable(u"care_colonies"))
        return;
    m_available = true;
    CTreatmentProductsTable().SelectEach(database, [this](const CTreatmentProductsTable::content& row) {
        m_products[row.id_product]
            = { row.id_product, row.name, row.substance, row.form, row.dose, row.unit, row.withdrawal_days };
    });
    CFeedTypesTable().SelectEach(database, [this](const CFeedTypesTable::content& row) {
        m_feedTypes[row.id_feed_type] = { row.id_feed_type, row.name, row.sugar_share, row.density };
    });
    std::map<std::int32_t, std::size_t> treatmentAt;
    CTreatmentsTable().SelectEach(database, [&](const CTreatmentsTable::content& row) {
        treatmentAt[row.id_treatment] = m_treatments.size();
        m_treatments.push_back({ row.id_treatment, row.id_product, row.batch, row.dose, row.unit, row.method,
            row.date_start, row.date_end, row.withdrawal_days, row.prescriber, row.note, {} });
    });
    std::map<std::int32_t, std::size_t> feedingAt;
    CFeedingsTable().SelectEach(database, [&](const CFeedingsTable::content& row) {
        feedingAt[row.id_feeding] = m_feedings.size();
        m_feedings.push_back(
            { row.id_feeding, row.id_feed_type, row.amount, static_cast<FeedUnit>(row.unit), row.date, row.note, {} });
    });
    CCareColoniesTable().SelectEach(database, [&](const CCareColoniesTable::content& row) {
        if (row.kind == static_cast<std::int32_t>(CareKind::Treatment)) {
            if (const auto at = treatmentAt.find(row.id_entry); at != treatmentAt.end())
                m_treatments[at->second].colonies.push_back(row.id_family);
        } else if (const auto at = feedingAt.find(row.id_entry);
                   row.kind == static_cast<std::int32_t>(CareKind::Feeding) && at != feedingAt.end()) {
            m_feedings[at->second].colonies.push_back(row.id_family);
        }
    });
    std::map<std::int32_t, std::size_t> harvestAt;
    CHarvestsTable().SelectEach(database, [&](const CHarvestsTable::content& row) {
        harvestAt[row.id_harvest] = m_harvests.size();
        m_harvests.push_back({ row.id_harvest, row.id_family, row.date, row.lot, row.honey_kind, row.note, {} });
    });
    CHarvestSupersTable().SelectEach(database, [&](const CHarvestSupersTable::content& row) {
        if (const auto at = harvestAt.find(row.id_harvest); at != harvestAt.end())
            m_harvests[at->second].supers.push_back(row.weight);
    });
    SortByDate(m_treatments, &Treatment::date_start);
    SortByDate(m_feedings, &Feeding::date);
    SortByDate(m_harvests, &Harvest::date);
}

const TreatmentProduct* CCareCache::FindProduct(std::int32_t id) const
{
    const auto found = m_products.find(id);
    return found == m_products.end() ? nullptr : &found->second;
}

const FeedType* CCareCache::FindFeedType(std::int32_t id) const
{
    const auto found = m_feedTypes.find(id);
    return found == m_feedTypes.end() ? nullptr : &found->second;
}

const Treatment* CCareCache::FindTreatment(std::int32_t id) const
{
    return FindById(m_treatments, id);
}

const Feeding* CCareCache::FindFeeding(std::int32_t id) const
{
    return FindById(m_feedings, id);
}

const Harvest* CCareCache::FindHarvest(std::int32_t id) const
{
    return FindById(m_harvests, id);
}

std::vector<const Treatment*> CCareCache::TreatmentsOf(std::int32_t idFamily) const
{
    return GivenTo(m_treatments, idFamily);
}

std::vector<const Feeding*> CCareCache::FeedingsOf(std::int32_t idFamily) const
{
    return GivenTo(m_feedings, idFamily);
}

std::vector<const Harvest*> CCareCache::HarvestsOf(std::int32_t idFamily) const
{
    std::vector<const Harvest*> taken;
    for (const Harvest& harvest : m_harvests) {
        if (harvest.id_family == idFamily)
            taken.push_back(&harvest);
    }
    return taken;
}

const Treatment* CCareCache::LatestTreatmentOf(std::int32_t idFamily) const
{
    const std::vector<const Treatment*> given = TreatmentsOf(idFamily);
    return given.empty() ? nullptr : given.back();
}

const Treatment* CCareCache::WithholdingOn(std::int32_t idFamily, std::int64_t day) const
{
    const Treatment* latest = nullptr;
    for (const Treatment* treatment : TreatmentsOf(idFamily)) {
        if (WithholdsOn(*treatment, day) && (!latest || WithdrawalEnd(*treatment) > WithdrawalEnd(*latest)))
            latest = treatment;
    }
    return latest;
}

std::vector<const Harvest*> CCareCache::HarvestsOfLot(const std::u16string& lot) const
{
    std::vector<const Harvest*> gathered;
    for (const Harvest& harvest : m_harvests) {
        if (!lot.empty() && harvest.lot == lot)
            gathered.push_back(&harvest);
    }
    std::stable_sort(gathered.begin(), gathered.end(),
        [](const Harvest* a, const Harvest* b) { return a->id_family < b->id_family; });
    return gathered;
}

std::vector<MiteCount> CCareCache::CountsOf(std::int32_t idFamily) const
{
    std::vector<MiteCount> counts;
    std::copy_if(m_counts.begin(), m_counts.end(), std::back_inserter(counts),
        [idFamily](const MiteCount& count) { return count.id_family == idFamily; });
    return counts;
}

CCareCache* GetCareCache()
{
    static CCareCache cache;
    return &cache;
}
