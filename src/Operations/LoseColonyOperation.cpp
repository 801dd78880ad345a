#include "LoseColonyOperation.h"

EventRefusal CLoseColonyOperation::Check(IDatabase* database)
{
    if (const EventRefusal refusal = MayTakeEvent(database, record.id_family); refusal != EventRefusal::None)
        return refusal;
    return record.cause >= LossCause::Starvation && record.cause <= LossCause::Other ? EventRefusal::None
                                                                                    : EventRefusal::BadChoice;
}

std::int32_t CLoseColonyOperation::Write(IDatabase* database)
{
    CColonyEventsTable::content event = NewEvent(ColonyEventKind::Loss);
    event.cause = static_cast<std::int32_t>(record.cause);
    const std::int32_t idEvent = AddEvent(database, event);
    for (const std::int32_t idQueen : LivingQueensOf(database, record.id_family))
        ChangeQueen(database, idEvent, idQueen, QueenFate::DiedWithColony, std::nullopt, true);
    return idEvent;
}
