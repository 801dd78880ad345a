#include "UndoColonyEventOperation.h"

#include "DeleteOperation.h"
#include "FamiliesTable.h"
#include "PointsTable.h"
#include "Request.h"
#include "Text.h"

namespace {
// The split's daughter or the caught swarm's colony, which the event made; 0 for other events.
std::int32_t MadeColony(const CColonyEventsTable::content& event)
{
    const auto kind = static_cast<ColonyEventKind>(event.kind);
    return kind == ColonyEventKind::Split || (kind == ColonyEventKind::Swarm && event.caught) ? event.id_other_family : 0;
}

std::int32_t Count(IDatabase* database, const std::u16string& text, std::initializer_list<std::int32_t> values)
{
    CRequest request(text);
    std::int32_t ordinal = 0;
    for (const std::int32_t value : values)
        request.BindInt(ordinal++, value);
    RowList rows;
    database->ExecRequest(rows, request.Build());
    return rows.empty() || rows[0].empty() ? 0 : WToI(rows[0][0].second);
}
}

void CUndoColonyEventOperation::Delete(IDatabase* database)
{
    CColonyEventsTable events;
    events.record.id_event = record.id_event;
    const auto event = record.id_event != 0 && database->HasTable(u"colony_events") ? SelectFirst(database, events)
                                                                                   : std::nullopt;
    record.refusal = event ? Check(database, *event) : EventRefusal::NoEvent;
    if (record.refusal == EventRefusal::None)
        Restore(database, *event);
}

EventRefusal CUndoColonyEventOperation::Check(IDatabase* database, const CColonyEventsTable::content& event) const
{
    CColonyEventsTable events;
    for (const std::int32_t idFamily : { event.id_family, event.id_other_family }) {
        const auto latest = events.SelectLatestOf(database, idFamily);
        if (idFamily != 0 && latest && latest->id_event != event.id_event)
            return EventRefusal::NotLatestEvent;
    }
    if (!QueensAsLeft(database) || !ColonyUntouched(database, event))
        return EventRefusal::ChangedSince;
    if (static_cast<ColonyEventKind>(event.kind) == ColonyEventKind::Move) {
        CFamiliesTable families;
        families.record.id_family = event.id_family;
        const auto colony = SelectFirst(database, families);
        CPointsTable points;
        points.record.id_point = event.id_point_from;
        // Moved on outside the events, or the site it came from is gone.
        if (!colony || colony->id_point != event.id_point_to || event.id_point_from == 0 || !SelectFirst(database, points))
            return EventRefusal::ChangedSince;
    }
    return EventRefusal::None;
}

bool CUndoColonyEventOperation::QueensAsLeft(IDatabase* database) const
{
    const std::int32_t changed = Count(database,
        u"SELECT COUNT(*) FROM colony_event_queens q LEFT JOIN queen_bee b ON b.id_queen_bee=q.id_queen_bee "
        u"WHERE q.id_event=? AND (b.id_queen_bee IS NULL OR b.id_family IS NOT q.id_family_after "
        u"OR b.is_dead IS NOT q.is_dead_after)",
        { record.id_event });
    // A queen the event made goes with its undo; her daughters would lose their mother.
    const std::int32_t daughters = Count(database,
        u"SELECT COUNT(*) FROM queen_bee WHERE id_parent_queen_bee IN "
        u"(SELECT id_queen_bee FROM colony_event_queens WHERE id_event=? AND created)",
        { record.id_event });
    // A queen goes back only to a colony that is still there.
    const std::int32_t homeless = Count(database,
        u"SELECT COUNT(*) FROM colony_event_queens q WHERE q.id_event=? AND NOT q.created "
        u"AND ifnull(q.id_family_before, 0)<>0 AND NOT EXISTS (SELECT 1 FROM families f "
        u"WHERE f.id_family=q.id_family_before)",
        { record.id_event });
    return changed == 0 && daughters == 0 && homeless == 0;
}

bool CUndoColonyEventOperation::ColonyUntouched(IDatabase* database, const CColonyEventsTable::content& event)
{
    const std::int32_t made = MadeColony(event);
    if (made == 0)
        return true;
    // What the new colony gained since would go with it.
    return Count(database,
               u"SELECT (SELECT COUNT(*) FROM journal WHERE id_family=?) + (SELECT COUNT(*) FROM evacuation "
               u"WHERE id_family=?) + (SELECT COUNT(*) FROM housings WHERE id_family=?) + (SELECT COUNT(*) FROM "
               u"queen_bee WHERE id_family=? AND id_queen_bee NOT IN (SELECT id_queen_bee FROM colony_event_queens "
               u"WHERE id_event=?))",
               { made, made, made, made, event.id_event })
        == 0;
}

void CUndoColonyEventOperation::Restore(IDatabase* database, const CColonyEventsTable::content& event) const
{
    CRequest queens(u"UPDATE queen_bee SET "
                    u"id_family=(SELECT id_family_before FROM colony_event_queens q WHERE q.id_event=? AND "
                    u"q.id_queen_bee=queen_bee.id_queen_bee), "
                    u"is_dead=(SELECT is_dead_before FROM colony_event_queens q WHERE q.id_event=? AND "
                    u"q.id_queen_bee=queen_bee.id_queen_bee) "
                    u"WHERE id_queen_bee IN (SELECT id_queen_bee FROM colony_event_queens WHERE id_event=? AND NOT created)");
    for (std::int32_t ordinal = 0; ordinal < 3; ++ordinal)
        queens.BindInt(ordinal, event.id_event);
    Run(database, queens);
    CRequest made(u"DELETE FROM queen_bee WHERE id_queen_bee IN "
                  u"(SELECT id_queen_bee FROM colony_event_queens WHERE id_event=? AND created)");
    made.BindInt(0, event.id_event);
    Run(database, made);
    if (static_cast<ColonyEventKind>(event.kind) == ColonyEventKind::Move) {
        CRequest site(u"UPDATE families SET id_point=(SELECT id_point_from FROM colony_events WHERE id_event=?) "
                      u"WHERE id_family=?");
        site.BindInt(0, event.id_event);
        site.BindInt(1, event.id_family);
        Run(database, site);
    }
    if (const std::int32_t colony = MadeColony(event); colony != 0) {
        CDeleteOperation remove;
        remove.record.kind = DeleteKind::Colony;
        remove.record.id = colony;
        remove.Delete(database);
    }
    CColonyEventsTable events;
    events.record.id_event = event.id_event;
    events.Delete(database);
}
