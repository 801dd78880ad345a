#include "RequeenOperation.h"

#include "ColonyEventQueensTable.h"
#include "QueenBeeTable.h"

namespace {
bool QueenExists(IDatabase* database, std::int32_t idQueenBee)
{
    CQueenBeeTable queens;
    queens.record.id_queen_bee = idQueenBee;
    return idQueenBee != 0 && SelectFirst(database, queens);
}
}

EventRefusal CRequeenOperation::Check(IDatabase* database)
{
    if (const EventRefusal refusal = MayTakeEvent(database, record.id_family); refusal != EventRefusal::None)
        return refusal;
    if (record.id_old_queen != 0) {
        if (!QueenAliveIn(database, record.id_old_queen, record.id_family))
            return EventRefusal::QueenNotThere;
        if (record.old_fate != QueenFate::Killed && record.old_fate != QueenFate::Superseded
            && record.old_fate != QueenFate::Moved)
            return EventRefusal::BadChoice;
        if (record.old_fate == QueenFate::Moved && record.old_to_family != 0) {
            if (record.old_to_family == record.id_family)
                return EventRefusal::SameColony;
            if (const EventRefusal refusal = MayTakeEvent(database, record.old_to_family); refusal != EventRefusal::None)
                return refusal;
        }
    }
    if (record.id_new_queen == 0) {
        if (record.new_name.empty() || (record.new_mother != 0 && !QueenExists(database, record.new_mother)))
            return EventRefusal::BadChoice;
        return EventRefusal::None;
    }
    if (record.id_new_queen == record.id_old_queen)
        return EventRefusal::BadChoice;
    CQueenBeeTable queens;
    queens.record.id_queen_bee = record.id_new_queen;
    const auto queen = SelectFirst(database, queens);
    if (!queen || queen->is_dead || queen->id_family == record.id_family)
        return EventRefusal::QueenNotThere;
    return EventRefusal::None;
}

std::int32_t CRequeenOperation::Write(IDatabase* database)
{
    const std::int32_t idEvent = AddEvent(database, NewEvent(ColonyEventKind::Requeen));
    if (record.id_old_queen != 0)
        ReplaceOldQueen(database, idEvent);
    if (record.id_new_queen != 0)
        ChangeQueen(database, idEvent, record.id_new_queen, QueenFate::Introduced, record.id_family, std::nullopt);
    else
        AddNewQueen(database, idEvent);
    return idEvent;
}

void CRequeenOperation::ReplaceOldQueen(IDatabase* database, std::int32_t idEvent) const
{
    if (record.old_fate == QueenFate::Moved)
        ChangeQueen(database, idEvent, record.id_old_queen, QueenFate::Moved, record.old_to_family, std::nullopt);
    else
        ChangeQueen(database, idEvent, record.id_old_queen, record.old_fate, std::nullopt, true);
}

std::int32_t CRequeenOperation::AddNewQueen(IDatabase* database, std::int32_t idEvent) const
{
    CQueenBeeTable queens;
    queens.record.name = record.new_name;
    queens.record.description = record.new_description;
    queens.record.fert = record.new_fert;
    queens.record.breed = record.new_breed;
    queens.record.id_parent_queen_bee = record.new_mother;
    queens.record.id_family = record.id_family;
    queens.record.date = record.born != 0 ? record.born : record.date;
    queens.Insert(database);
    const std::int32_t idQueen = queens.record.id_queen_bee;
    CColonyEventQueensTable log;
    log.record.id_event = idEvent;
    log.record.id_queen_bee = idQueen;
    log.record.fate = static_cast<std::int32_t>(QueenFate::Introduced);
    log.Insert(database);
    log.record.id_event = idEvent;
    log.record.id_queen_bee = idQueen;
    log.Update(database);
    return idQueen;
}
