#pragma once

#include "ColonyEventCache.h"

#include <cstdint>
#include <string>
#include <vector>

// A treatment, feeding, harvest, mite count or task shown in a history; kind None for another row.
struct CareEntry
{
    enum class Kind
    {
        None,
        Treatment,
        Feeding,
        Harvest,
        MiteCount,
        Task,
    };
    Kind kind = Kind::None;
    std::int32_t id = 0;
};

// A colony's history as the beekeeper reads it: its events, inspection records and care in date order,
// with those of the colonies united into it, whose histories are part of its own.
struct HistoryRow
{
    std::int64_t date = 0;
    std::u16string what;
    std::u16string note;
    // The event, or 0 for an inspection record or care.
    std::int32_t id_event = 0;
    std::int32_t id_journal = 0;
    // The treatment, feeding or harvest, which the page can delete.
    CareEntry care;
};

// The rows of the colony, from the stores; on one day the events come before the records.
std::vector<HistoryRow> ColonyHistoryRows(std::int32_t idFamily);
// What the event did, in the words of the colony's history it is shown in.
std::u16string DescribeEvent(const CColonyEventCache::Event& event, std::int32_t shownIn);
