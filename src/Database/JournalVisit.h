#pragma once

#include <cstdint>
#include <string>

// What a colony visit records: the journal row, the inspection operations and the journal store
// all carry these fields, and copy them as one.
struct JournalVisit
{
    std::int64_t date = 0;
    std::int32_t frame = 0;
    std::int32_t strength = 0;
    std::int32_t is_queen_bee = 0;
    std::int32_t wax = 0;
    std::int32_t ambrosia = 0;
    std::int32_t evacuation = 0;
    std::int32_t dieting = 0;
    std::int32_t disease = 0;
    std::u16string note;

    bool operator==(const JournalVisit&) const = default;
};
