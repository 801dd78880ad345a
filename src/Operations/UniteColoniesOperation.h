#pragma once

#include "ColonyEventOperation.h"

// A unite: colony id_other_family joins colony id_family, which goes on with both histories; the
// other colony ends. One queen is removed (killed, or moved to the queen store); the other
// colony's remaining living queens come along into the united colony.
class CUniteColoniesOperation : public CColonyEventOperation
{
public:
    class content : public CColonyEventOperation::content
    {
    public:
        std::int32_t id_other_family = 0;
        // A living queen of either colony, 0 when neither had one to remove.
        std::int32_t id_removed_queen = 0;
        // Killed, or Moved to the queen store.
        QueenFate removed_fate = QueenFate::Killed;

        void Reset() override { *this = content(); }
    };

    CUniteColoniesOperation()
        : CColonyEventOperation(record)
    {
    }

    content record;

private:
    EventRefusal Check(IDatabase* database) override;
    std::int32_t Write(IDatabase* database) override;
};
