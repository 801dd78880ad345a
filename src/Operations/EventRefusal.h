#pragma once

#include <cstdint>

// Why a colony event or its undo was refused before anything of it was written.
enum class EventRefusal : std::int32_t
{
    None = 0,
    // The journal has not taken the schema step of the events (a damaged journal held for reading).
    NoEventTables,
    NoColony,
    // The colony was lost or united into another; it takes no new event.
    ColonyEnded,
    // A unite of a colony with itself.
    SameColony,
    // Dated before the colony's latest event: the events of a colony follow one another.
    BeforeLatestEvent,
    NoSite,
    // A move to the site the colony is at.
    SameSite,
    // A queen that is not alive where the event takes her from.
    QueenNotThere,
    // What the form chose does not go with this event (a fate, a cause, a count below 0, no name).
    BadChoice,
    NoEvent,
    // The undo of an event that is not the latest of each colony it names.
    NotLatestEvent,
    // The undo of an event whose rows were changed since: a queen, a move or a new colony's records.
    ChangedSince,
};
