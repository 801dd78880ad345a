#pragma once

#include "ColonyEventOperation.h"

// A split: a daughter colony made at a chosen site from frames of the colony, linked to it as its
// mother, starting with the mother's queen, a queen cell, a queen from the queen store or none.
class CSplitColonyOperation : public CColonyEventOperation
{
public:
    class content : public CColonyEventOperation::content
    {
    public:
        // The daughter colony.
        std::u16string name;
        std::int32_t id_point = 0;
        std::int32_t type = 0;
        // The frames it got.
        std::int32_t brood_frames = 0;
        std::int32_t honey_frames = 0;
        std::int32_t bee_frames = 0;
        DaughterQueen daughter_queen = DaughterQueen::None;
        // The mother's queen (OldQueen) or one in no colony (StoredQueen).
        std::int32_t id_queen_bee = 0;
        // Out: the daughter colony.
        std::int32_t id_daughter = 0;

        void Reset() override { *this = content(); }
    };

    CSplitColonyOperation()
        : CColonyEventOperation(record)
    {
    }

    content record;

private:
    EventRefusal Check(IDatabase* database) override;
    std::int32_t Write(IDatabase* database) override;
};
