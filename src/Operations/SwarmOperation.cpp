#include "SwarmOperation.h"

EventRefusal CSwarmOperation::Check(IDatabase* database)
{
    record.id_swarm_family = 0;
    if (const EventRefusal refusal = MayTakeEvent(database, record.id_family); refusal != EventRefusal::None)
        return refusal;
    if (record.id_queen_bee != 0 && !QueenAliveIn(database, record.id_queen_bee, record.id_family))
        return EventRefusal::QueenNotThere;
    if (!record.caught)
        return EventRefusal::None;
    if (!SiteExists(database, record.id_point))
        return EventRefusal::NoSite;
    return record.name.empty() ? EventRefusal::BadChoice : EventRefusal::None;
}

std::int32_t CSwarmOperation::Write(IDatabase* database)
{
    if (record.caught)
        record.id_swarm_family = AddColony(database, record.name, record.id_point, record.type);
    CColonyEventsTable::content event = NewEvent(ColonyEventKind::Swarm);
    event.caught = record.caught;
    event.id_other_family = record.id_swarm_family;
    event.id_point_to = record.caught ? record.id_point : 0;
    const std::int32_t idEvent = AddEvent(database, event);
    if (record.id_queen_bee != 0 && record.caught)
        ChangeQueen(database, idEvent, record.id_queen_bee, QueenFate::Moved, record.id_swarm_family, std::nullopt);
    else if (record.id_queen_bee != 0)
        ChangeQueen(database, idEvent, record.id_queen_bee, QueenFate::Swarmed, std::nullopt, true);
    return idEvent;
}
