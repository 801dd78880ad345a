#pragma once

#include "ColonyCare.h"
#include "MiteCounts.h"

#include <cstdint>

// The colonies' care: the only writer of the treatments, feedings and harvests with their
// colonies and supers, of the medicines' and feeds' dictionaries, and of the mite counts. Each change runs in one
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
    std::int32_t AddMiteCount(MiteCount& count);
    bool DeleteMiteCount(std::int32_t id);

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
    static std::int32_t RefusalOf(const MiteCount& count);
    static void Follow();
    // Deletes the entry in one transaction; nothing for id 0.
    template <class Body>
    static bool DeleteEntry(const char16_t* label, std::int32_t id, Body body);
    // Adds a dictionary's row when its key is 0, else changes it; its key, 0 when not saved.
    template <class Table>
    static std::int32_t SaveDictionaryRow(Table& table, std::int32_t Table::content::*key);
    template <class Table>
    static bool DeleteDictionaryRow(std::int32_t id, std::int32_t Table::content::*key);
};
