#pragma once

#include <cstdint>

// The numbers stored in colony_events and colony_event_queens; stored, so never renumbered.

enum class ColonyEventKind : std::int32_t
{
    None = 0,
    // A daughter colony made from the colony.
    Split = 1,
    // Another colony joined into the colony, which goes on; the other one ends.
    Unite = 2,
    Requeen = 3,
    // A swarm left the colony; caught, it is a daughter colony.
    Swarm = 4,
    Move = 5,
    // The colony died or was given up; it stays in the journal, marked lost.
    Loss = 6,
};

enum class LossCause : std::int32_t
{
    None = 0,
    Starvation = 1,
    Varroa = 2,
    QueenFailure = 3,
    Robbing = 4,
    Poisoning = 5,
    Other = 6,
};

// What the daughter of a split starts with.
enum class DaughterQueen : std::int32_t
{
    // It raises its own queen from the brood it got.
    None = 0,
    // The mother colony's queen; the mother raises a new one.
    OldQueen = 1,
    QueenCell = 2,
    // A mated or bought queen kept in no colony.
    StoredQueen = 3,
};

// What an event did to a queen.
enum class QueenFate : std::int32_t
{
    None = 0,
    Killed = 1,
    Superseded = 2,
    // To another colony, or to no colony (kept in the queen store).
    Moved = 3,
    // Given to the colony: from the store or another colony, or new.
    Introduced = 4,
    // Left with a swarm that was not caught.
    Swarmed = 5,
    // Died with her colony.
    DiedWithColony = 6,
};
