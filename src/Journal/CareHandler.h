#pragma once

#include "ColonyCare.h"

#include <cstdint>

// The colonies' care: the only writer of the treatments, feedings and harvests with their
// colonies and supers, and of the medicines' and feeds' dictionaries. Each change runs in one
// transaction; a refusal is told once and writes nothing. After the commit the care store is read
// again and event 9 fires.
class CCareHandler
{
public:
    // Each stores a new entry and gives back its id, also set in the entry; 0 when refused or
    // not saved.
    std::int32_t AddTreatment(Treatment& treatment);
    std::int32_t AddFeeding(Feeding& feeding);
    std::int32_t AddHarvest(Harvest& harvest);
    bool DeleteTreatment(std::int32_t id);
    bool DeleteFeeding(std::int32_t id);
    bool DeleteHarvest(std::int32_t id);

    // Adds the product when its id is 0, else changes it; its id, 0 when refused or not saved.
    std::int32_t SaveProduct(TreatmentProduct& product);
    // Refused while a treatment names the product.
    bool DeleteProduct(std::int32_t id);
    std::int32_t SaveFeedType(FeedType& type);
    bool DeleteFeedType(std::int32_t id);

    // The common medicines and feeds, in the user's language, into the dictionaries of a journal
    // that has just been given their tables.
    void AddStarterLists();

private:
    static bool Refuse(std::int32_t refusal);
    // The first refusal the treatment earns, 0 for none.
    static std::int32_t RefusalOf(const Treatment& treatment);
    static std::int32_t RefusalOf(const Feeding& feeding);
    static std::int32_t RefusalOf(const Harvest& harvest);
    static void Follow();
};
