#include "ColonyEventOperation.h"

#include "AddFamilyOperation.h"
#include "Calendar.h"
#include "ColonyEventQueensTable.h"
#include "FamiliesTable.h"
#include "PointsTable.h"
#include "QueenBeeTable.h"
#include "Request.h"

namespace {
// The day the journal keeps of a date: its local midnight.
std::int64_t StoredDay(std::int64_t date)
{
    return ParseDateText(FormatStoredDate(date));
}
}

void CColonyEventOperation::Execute(IDatabase* database)
{
    m_common.id_event = 0;
    m_common.refusal = database->HasTable(u"colony_events") ? Check(database) : EventRefusal::NoEventTables;
    if (m_common.refusal == EventRefusal::None)
        m_common.id_event = Write(database);
}

EventRefusal CColonyEventOperation::MayTakeEvent(IDatabase* database, std::int32_t idFamily) const
{
    CFamiliesTable families;
    families.record.id_family = idFamily;
    // Key 0 would select every colony.
    if (idFamily == 0 || !SelectFirst(database, families))
        return EventRefusal::NoColony;
    CColonyEventsTable events;
    if (events.HasEnded(database, idFamily))
        return EventRefusal::ColonyEnded;
    const auto latest = events.SelectLatestOf(database, idFamily);
    if (latest && latest->date > StoredDay(m_common.date))
        return EventRefusal::BeforeLatestEvent;
    return EventRefusal::None;
}

bool CColonyEventOperation::SiteExists(IDatabase* database, std::int32_t idPoint)
{
    CPointsTable points;
    points.record.id_point = idPoint;
    return idPoint != 0 && SelectFirst(database, points);
}

bool CColonyEventOperation::QueenAliveIn(IDatabase* database, std::int32_t idQueenBee, std::int32_t idFamily)
{
    if (idQueenBee == 0)
        return false;
    CQueenBeeTable queens;
    queens.record.id_queen_bee = idQueenBee;
    const auto queen = SelectFirst(database, queens);
    return queen && !queen->is_dead && queen->id_family == idFamily;
}

std::vector<std::int32_t> CColonyEventOperation::LivingQueensOf(IDatabase* database, std::int32_t idFamily)
{
    std::vector<std::int32_t> living;
    if (idFamily == 0)
        return living;
    CQueenBeeTable queens;
    queens.record.id_family = idFamily;
    queens.SelectEach(database, [&](const CQueenBeeTable::content& queen) {
        if (!queen.is_dead)
            living.push_back(queen.id_queen_bee);
    });
    return living;
}

CColonyEventsTable::content CColonyEventOperation::NewEvent(ColonyEventKind kind) const
{
    CColonyEventsTable::content event;
    event.id_family = m_common.id_family;
    event.kind = static_cast<std::int32_t>(kind);
    event.date = m_common.date;
    event.note = m_common.note;
    return event;
}

std::int32_t CColonyEventOperation::AddEvent(IDatabase* database, const CColonyEventsTable::content& event)
{
    CColonyEventsTable events;
    events.record = event;
    events.Insert(database);
    return events.record.id_event;
}

std::int32_t CColonyEventOperation::AddColony(
    IDatabase* database, const std::u16string& name, std::int32_t idPoint, std::int32_t type)
{
    CAddFamilyOperation add;
    add.record.name = name;
    add.record.id_point = idPoint;
    add.record.type = type;
    add.Add(database);
    return add.record.id_family;
}

void CColonyEventOperation::ChangeQueen(IDatabase* database, std::int32_t idEvent, std::int32_t idQueenBee,
    QueenFate fate, std::optional<std::int32_t> idFamily, std::optional<bool> dead)
{
    CColonyEventQueensTable log;
    log.record.id_event = idEvent;
    log.record.id_queen_bee = idQueenBee;
    log.record.fate = static_cast<std::int32_t>(fate);
    log.InsertBefore(database);
    // Only what the event changes is written: the other value stays exactly as stored.
    if (idFamily) {
        CRequest request(u"UPDATE queen_bee SET id_family=? WHERE id_queen_bee=?");
        request.BindInt(0, *idFamily);
        request.BindInt(1, idQueenBee);
        Run(database, request);
    }
    if (dead) {
        CRequest request(u"UPDATE queen_bee SET is_dead=? WHERE id_queen_bee=?");
        request.BindInt(0, *dead ? 1 : 0);
        request.BindInt(1, idQueenBee);
        Run(database, request);
    }
    log.record.id_event = idEvent;
    log.record.id_queen_bee = idQueenBee;
    log.Update(database);
}
