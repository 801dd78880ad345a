#pragma once

#include "LoseColonyOperation.h"
#include "MoveColonyOperation.h"
#include "RequeenOperation.h"
#include "SplitColonyOperation.h"
#include "SwarmOperation.h"
#include "UniteColoniesOperation.h"

#include <cstdint>
#include <set>

class IDatabase;

// The events of the colonies' lives and their undo: the only writer of "colony_events" and
// "colony_event_queens". Each runs in one transaction; a refusal is told once and writes nothing.
// After the commit the stores follow (the events, the colonies an event made, moved or took back,
// the queens it touched), then event 2 fires, and event 3 when queens changed.
class CColonyEventHandler
{
public:
    // Each takes the event's record, fills in what it gives back (the new event, a new colony,
    // the refusal) and returns the new event's id, 0 when refused or not saved.
    std::int32_t Split(CSplitColonyOperation::content& split);
    std::int32_t Unite(CUniteColoniesOperation::content& unite);
    std::int32_t Requeen(CRequeenOperation::content& requeen);
    std::int32_t Swarm(CSwarmOperation::content& swarm);
    std::int32_t Move(CMoveColonyOperation::content& move);
    std::int32_t Lose(CLoseColonyOperation::content& loss);
    // Takes back the event, which must be the latest of each colony it names.
    bool Undo(std::int32_t idEvent);

private:
    // What an event or its undo wrote beyond its own rows, for the stores to follow.
    struct Touched
    {
        std::set<std::int32_t> colonies;
        std::set<std::int32_t> queens;
    };

    template <class Operation>
    std::int32_t Record(const char16_t* label, typename Operation::content& record);
    static Touched TouchedBy(IDatabase* database, std::int32_t idEvent);
    static void Follow(const Touched& touched);
};
