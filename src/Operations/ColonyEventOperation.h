#pragma once

#include "ColonyEventKinds.h"
#include "ColonyEventsTable.h"
#include "EventRefusal.h"
#include "Operation.h"

#include <optional>

// One event of a colony's life, run inside the caller's transaction. Execute checks everything
// the event needs first and writes only when nothing refused it, so a refused event leaves the
// journal as it was. What the event changes in the eleven tables is recorded beside it, so that
// CUndoColonyEventOperation can put it back exactly.
class CColonyEventOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        // The colony whose event it is.
        std::int32_t id_family = 0;
        std::int64_t date = 0;
        std::u16string note;
        // Out: the new event, 0 when refused.
        std::int32_t id_event = 0;
        // Out: why it was refused.
        EventRefusal refusal = EventRefusal::None;
    };

    CColonyEventOperation(const CColonyEventOperation&) = delete;
    CColonyEventOperation& operator=(const CColonyEventOperation&) = delete;

    void Execute(IDatabase* database) override;

protected:
    // The event's record, a member of the derived operation.
    explicit CColonyEventOperation(content& common)
        : m_common(common)
    {
    }

    virtual EventRefusal Check(IDatabase* database) = 0;
    // Writes the event's changes and the event row; returns the new id_event.
    virtual std::int32_t Write(IDatabase* database) = 0;

    // The colony is there, not ended, and its latest event is not after the date.
    EventRefusal MayTakeEvent(IDatabase* database, std::int32_t idFamily) const;
    static bool SiteExists(IDatabase* database, std::int32_t idPoint);
    // The queen is alive in the colony (0: in no colony, kept in the queen store).
    static bool QueenAliveIn(IDatabase* database, std::int32_t idQueenBee, std::int32_t idFamily);
    // The living queens of the colony.
    static std::vector<std::int32_t> LivingQueensOf(IDatabase* database, std::int32_t idFamily);

    // An event row with the record's colony, date and note; the rest filled by the caller.
    CColonyEventsTable::content NewEvent(ColonyEventKind kind) const;
    static std::int32_t AddEvent(IDatabase* database, const CColonyEventsTable::content& event);
    // A new colony at the site, with no user field values; returns its id.
    static std::int32_t AddColony(
        IDatabase* database, const std::u16string& name, std::int32_t idPoint, std::int32_t type);
    // Records the queen's values, sets her colony and/or her death mark, records them again.
    static void ChangeQueen(IDatabase* database, std::int32_t idEvent, std::int32_t idQueenBee, QueenFate fate,
        std::optional<std::int32_t> idFamily, std::optional<bool> dead);

private:
    content& m_common;
};
