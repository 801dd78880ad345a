#include "MoveColonyOperation.h"

#include "FamiliesTable.h"
#include "Request.h"

std::int32_t CMoveColonyOperation::CurrentSite(IDatabase* database) const
{
    CFamiliesTable families;
    families.record.id_family = record.id_family;
    const auto colony = SelectFirst(database, families);
    return colony ? colony->id_point : 0;
}

EventRefusal CMoveColonyOperation::Check(IDatabase* database)
{
    if (const EventRefusal refusal = MayTakeEvent(database, record.id_family); refusal != EventRefusal::None)
        return refusal;
    if (!SiteExists(database, record.id_point))
        return EventRefusal::NoSite;
    return CurrentSite(database) == record.id_point ? EventRefusal::SameSite : EventRefusal::None;
}

std::int32_t CMoveColonyOperation::Write(IDatabase* database)
{
    CColonyEventsTable::content event = NewEvent(ColonyEventKind::Move);
    event.id_point_from = CurrentSite(database);
    event.id_point_to = record.id_point;
    const std::int32_t idEvent = AddEvent(database, event);
    // Only the site: the colony's other values stay exactly as stored.
    CRequest request(u"UPDATE families SET id_point=? WHERE id_family=?");
    request.BindInt(0, record.id_point);
    request.BindInt(1, record.id_family);
    Run(database, request);
    return idEvent;
}
