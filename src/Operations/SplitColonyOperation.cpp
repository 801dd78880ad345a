#include "SplitColonyOperation.h"

EventRefusal CSplitColonyOperation::Check(IDatabase* database)
{
    record.id_daughter = 0;
    if (const EventRefusal refusal = MayTakeEvent(database, record.id_family); refusal != EventRefusal::None)
        return refusal;
    if (!SiteExists(database, record.id_point))
        return EventRefusal::NoSite;
    if (record.name.empty() || record.brood_frames < 0 || record.honey_frames < 0 || record.bee_frames < 0)
        return EventRefusal::BadChoice;
    switch (record.daughter_queen) {
    case DaughterQueen::None:
    case DaughterQueen::QueenCell:
        return EventRefusal::None;
    case DaughterQueen::OldQueen:
        return QueenAliveIn(database, record.id_queen_bee, record.id_family) ? EventRefusal::None
                                                                            : EventRefusal::QueenNotThere;
    case DaughterQueen::StoredQueen:
        return QueenAliveIn(database, record.id_queen_bee, 0) ? EventRefusal::None : EventRefusal::QueenNotThere;
    }
    return EventRefusal::BadChoice;
}

std::int32_t CSplitColonyOperation::Write(IDatabase* database)
{
    record.id_daughter = AddColony(database, record.name, record.id_point, record.type);
    CColonyEventsTable::content event = NewEvent(ColonyEventKind::Split);
    event.id_other_family = record.id_daughter;
    event.id_point_to = record.id_point;
    event.brood_frames = record.brood_frames;
    event.honey_frames = record.honey_frames;
    event.bee_frames = record.bee_frames;
    event.daughter_queen = static_cast<std::int32_t>(record.daughter_queen);
    const std::int32_t idEvent = AddEvent(database, event);
    if (record.daughter_queen == DaughterQueen::OldQueen || record.daughter_queen == DaughterQueen::StoredQueen) {
        const QueenFate fate = record.daughter_queen == DaughterQueen::OldQueen ? QueenFate::Moved : QueenFate::Introduced;
        ChangeQueen(database, idEvent, record.id_queen_bee, fate, record.id_daughter, std::nullopt);
    }
    return idEvent;
}
