#pragma once

#include "IDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

// One hive's measurements in a journal record.
struct InspectHousing
{
    std::int32_t id_housing = 0;
    std::u16string name_housing;
    std::int32_t brood = 0;
    std::int32_t honey = 0;
    std::int32_t open_brood = 0;
    std::int32_t close_brood = 0;
    std::int32_t goods_honey = 0;

    bool operator==(const InspectHousing&) const = default;
};

using InspectHousings = std::vector<InspectHousing>;

// Writes the hive rows of a journal record in list order.
void InsertInspectHousings(IDatabase* database, std::int32_t idJournal, const InspectHousings& hives);
