#pragma once

#include "InspectHousing.h"
#include "JournalTable.h"
#include "Operation.h"

#include <cstdint>
#include <string>

// What the adding and the changing of a journal record both carry.
struct InspectFields
{
    std::int64_t date = 0;
    std::int32_t frame = 0;
    std::int32_t strength = 0;
    std::int32_t wax = 0;
    std::int32_t is_queen_bee = 0;
    std::int32_t ambrosia = 0;
    std::int32_t evacuation = 0;
    std::int32_t dieting = 0;
    std::int32_t disease = 0;
    std::u16string note;
    std::int32_t id_record = 0;
    FieldValues values;
    InspectHousings hives;
};

// The journal row's visit columns, from the fields.
void CopyVisitColumns(const InspectFields& fields, CJournalTable::content& row);
