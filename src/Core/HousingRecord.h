#pragma once

#include <cstdint>
#include <string>

// A hive as the journal keeps it; colony 0 means the hive is free.
struct HousingRecord
{
    std::u16string name;
    std::int32_t type_housing = 0;
    std::int32_t type_frame = 0;
    std::int32_t id_family = 0;
    bool is_delete = false;

    bool operator==(const HousingRecord&) const = default;
};
