#pragma once

#include "ColonyEventsTable.h"
#include "EventRefusal.h"
#include "Operation.h"

// Undoes an event while it is the latest event of every colony it names: the queens it touched get
// their values back exactly, a moved colony its site, a colony it made goes, and the event goes.
// Refused, with nothing written, when the rows the event wrote were changed since (a queen moved
// on, records entered for the new colony, the colony moved again outside the events) or what they
// would go back to is gone (a queen's colony, the site a colony came from).
class CUndoColonyEventOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_event = 0;
        // Out: why it was refused.
        EventRefusal refusal = EventRefusal::None;

        void Reset() override { *this = content(); }
    };

    // Runs inside the caller's transaction.
    void Delete(IDatabase* database) override;

    content record;

private:
    EventRefusal Check(IDatabase* database, const CColonyEventsTable::content& event) const;
    bool QueensAsLeft(IDatabase* database) const;
    static bool ColonyUntouched(IDatabase* database, const CColonyEventsTable::content& event);
    void Restore(IDatabase* database, const CColonyEventsTable::content& event) const;
};
