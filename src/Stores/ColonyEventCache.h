#pragma once

#include "ColonyEventKinds.h"
#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class IDatabase;

// The events of the colonies' lives and the lineage they make. The start reads only what links and
// ends colonies (splits, swarms, unions, losses); a colony's whole list of events is read when it
// is first asked for, as a beekeeper looks at one colony at a time.
class CColonyEventCache
{
public:
    // A queen the event touched and what it did to her.
    struct EventQueen
    {
        std::int32_t id_queen_bee = 0;
        QueenFate fate = QueenFate::None;

        bool operator==(const EventQueen&) const = default;
    };
    struct Event
    {
        std::int32_t id_event = 0;
        std::int32_t id_family = 0;
        ColonyEventKind kind = ColonyEventKind::None;
        std::int64_t date = 0;
        std::u16string note;
        std::int32_t id_other_family = 0;
        std::int32_t id_point_from = 0;
        std::int32_t id_point_to = 0;
        std::int32_t brood_frames = 0;
        std::int32_t honey_frames = 0;
        std::int32_t bee_frames = 0;
        DaughterQueen daughter_queen = DaughterQueen::None;
        bool caught = false;
        LossCause cause = LossCause::None;
        // Filled in a colony's list of events (EventsOf) only.
        std::vector<EventQueen> queens;

        bool operator==(const Event&) const = default;
    };
    struct Loss
    {
        std::int32_t id_event = 0;
        std::int64_t date = 0;
        LossCause cause = LossCause::None;
    };

    // Reads the links and ends of the journal's colonies, and reads a colony's events from the same
    // file when they are first asked for. A journal without the events' tables has none. After an
    // event or its undo is committed, a Load again brings the store up to date.
    void Load(IDatabase* database);

    // The colony's events, its own and those naming it (a daughter's split, a colony united in), in
    // date order, those of one day in the order entered.
    const std::vector<Event>& EventsOf(std::int32_t idFamily) const;
    // The event an undo may take: the colony's last; null without events.
    const Event* LatestOf(std::int32_t idFamily) const;
    // The colony it was split from or swarmed from; 0 for none.
    std::int32_t MotherOf(std::int32_t idFamily) const;
    // The colonies split or swarmed from it, in the order they were made.
    const std::vector<std::int32_t>& DaughtersOf(std::int32_t idFamily) const;
    // Null for a colony that is not lost.
    const Loss* LossOf(std::int32_t idFamily) const;
    // The colony it was united into; 0 for none.
    std::int32_t UnitedInto(std::int32_t idFamily) const;
    // The colonies united into it, whose histories are part of its own, in the order united.
    const std::vector<std::int32_t>& UnitedIn(std::int32_t idFamily) const;
    // Lost or united into another: greyed in the tree, hidden by its filter, taking no new event.
    bool HasEnded(std::int32_t idFamily) const;

private:
    void Clear();

    std::optional<std::u16string> m_path;
    std::map<std::int32_t, std::int32_t> m_mothers;
    COwnerIndex m_daughters;
    std::map<std::int32_t, Loss> m_losses;
    std::map<std::int32_t, std::int32_t> m_unitedInto;
    COwnerIndex m_unitedIn;
    mutable std::map<std::int32_t, std::vector<Event>> m_events;
};

CColonyEventCache* GetColonyEventCache();
