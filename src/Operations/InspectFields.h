#pragma once

#include "InspectHousing.h"
#include "JournalVisit.h"
#include "Operation.h"

#include <cstdint>

// What the adding and the changing of a journal record both carry.
struct InspectFields : JournalVisit
{
    std::int32_t id_record = 0;
    FieldValues values;
    InspectHousings hives;
};
