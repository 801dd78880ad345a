#pragma once

#include "ColonyCare.h"
#include "MiteCounts.h"

#include <cstdint>
#include <map>
#include <vector>

class IDatabase;

// The colonies' care as the journal file holds it: the medicines and feeds dictionaries, the
// treatments, feedings and harvests, and the counts of mites. A journal without their tables has none. After a change is
// committed, a Load again brings the store up to date.
class CCareCache
{
public:
    void Load(IDatabase* database);
    // Whether the journal has the care's tables, so that care can be entered.
    bool Available() const { return m_available; }

    const std::map<std::int32_t, TreatmentProduct>& Products() const { return m_products; }
    const TreatmentProduct* FindProduct(std::int32_t id) const;
    const std::map<std::int32_t, FeedType>& FeedTypes() const { return m_feedTypes; }
    const FeedType* FindFeedType(std::int32_t id) const;

    // In date order, those of one day in the order entered.
    const std::vector<Treatment>& Treatments() const { return m_treatments; }
    const std::vector<Feeding>& Feedings() const { return m_feedings; }
    const std::vector<Harvest>& Harvests() const { return m_harvests; }
    const Treatment* FindTreatment(std::int32_t id) const;
    const Feeding* FindFeeding(std::int32_t id) const;
    const Harvest* FindHarvest(std::int32_t id) const;

    std::vector<const Treatment*> TreatmentsOf(std::int32_t idFamily) const;
    std::vector<const Feeding*> FeedingsOf(std::int32_t idFamily) const;
    std::vector<const Harvest*> HarvestsOf(std::int32_t idFamily) const;
    // The colony's latest treatment by its first day; null for none.
    const Treatment* LatestTreatmentOf(std::int32_t idFamily) const;
    // Of the colony's treatments whose period holds the day, the one whose withdrawal ends last;
    // null when honey taken that day is free of them.
    const Treatment* WithholdingOn(std::int32_t idFamily, std::int64_t day) const;
    // The harvests gathered into the lot, by colony.
    std::vector<const Harvest*> HarvestsOfLot(const std::u16string& lot) const;

    // Whether the journal has the table of mite counts.
    bool CountsAvailable() const { return m_countsAvailable; }
    // The colony's mite counts in date order, those of one day in the order entered.
    std::vector<MiteCount> CountsOf(std::int32_t idFamily) const;
    const std::vector<MiteCount>& Counts() const { return m_counts; }

private:
    bool m_available = false;
    std::map<std::int32_t, TreatmentProduct> m_products;
    std::map<std::int32_t, FeedType> m_feedTypes;
    std::vector<Treatment> m_treatments;
    std::vector<Feeding> m_feedings;
    std::vector<Harvest> m_harvests;
    bool m_countsAvailable = false;
    std::vector<MiteCount> m_counts;
};

CCareCache* GetCareCache();
