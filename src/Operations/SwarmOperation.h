#pragma once

#include "ColonyEventOperation.h"

// A swarm left the colony with a queen (usually the old one). Caught, it becomes a new colony at a
// chosen site, linked to the colony as its mother, with the queen that left; not caught, the queen
// that left is gone.
class CSwarmOperation : public CColonyEventOperation
{
public:
    class content : public CColonyEventOperation::content
    {
    public:
        // A living queen of the colony; 0 when it is not known which left.
        std::int32_t id_queen_bee = 0;
        bool caught = false;
        // The caught swarm's colony.
        std::u16string name;
        std::int32_t id_point = 0;
        std::int32_t type = 0;
        // Out: the caught swarm's colony.
        std::int32_t id_swarm_family = 0;

        void Reset() override { *this = content(); }
    };

    CSwarmOperation()
        : CColonyEventOperation(record)
    {
    }

    content record;

private:
    EventRefusal Check(IDatabase* database) override;
    std::int32_t Write(IDatabase* database) override;
};
