#include "UniteColoniesOperation.h"

EventRefusal CUniteColoniesOperation::Check(IDatabase* database)
{
    if (record.id_family == record.id_other_family)
        return EventRefusal::SameColony;
    for (const std::int32_t idFamily : { record.id_family, record.id_other_family }) {
        if (const EventRefusal refusal = MayTakeEvent(database, idFamily); refusal != EventRefusal::None)
            return refusal;
    }
    if (record.removed_fate != QueenFate::Killed && record.removed_fate != QueenFate::Moved)
        return EventRefusal::BadChoice;
    if (record.id_removed_queen != 0 && !QueenAliveIn(database, record.id_removed_queen, record.id_family)
        && !QueenAliveIn(database, record.id_removed_queen, record.id_other_family))
        return EventRefusal::QueenNotThere;
    return EventRefusal::None;
}

std::int32_t CUniteColoniesOperation::Write(IDatabase* database)
{
    CColonyEventsTable::content event = NewEvent(ColonyEventKind::Unite);
    event.id_other_family = record.id_other_family;
    const std::int32_t idEvent = AddEvent(database, event);
    const std::vector<std::int32_t> joining = LivingQueensOf(database, record.id_other_family);
    if (record.id_removed_queen != 0) {
        if (record.removed_fate == QueenFate::Killed)
            ChangeQueen(database, idEvent, record.id_removed_queen, QueenFate::Killed, std::nullopt, true);
        else
            ChangeQueen(database, idEvent, record.id_removed_queen, QueenFate::Moved, 0, std::nullopt);
    }
    for (const std::int32_t idQueen : joining) {
        if (idQueen != record.id_removed_queen)
            ChangeQueen(database, idEvent, idQueen, QueenFate::Moved, record.id_family, std::nullopt);
    }
    return idEvent;
}
