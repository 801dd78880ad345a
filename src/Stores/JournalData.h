#pragma once

#include "JournalCache.h"
#include "Operation.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What the forms hand to the journal handlers; the handlers write the new keys back.
struct PointData
{
    std::int32_t id_point = 0;
    std::u16string name;
    std::u16string note;
    std::int32_t id_record = 0;
    FieldValues values;
};

struct FamilyData
{
    std::int32_t id_family = 0;
    std::u16string name;
    std::int32_t id_point = 0;
    std::int32_t type = 0;
    std::u16string note;
    std::int32_t id_record = 0;
    FieldValues values;
};

struct InspectData
{
    std::int32_t id_journal = 0;
    CJournalCache::Record record;
    FieldValues values;
};
