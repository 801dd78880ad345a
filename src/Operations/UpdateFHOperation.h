#pragma once

#include "Operation.h"

// Moves one hive, or every hive of a colony, to another colony (0: to none).
class CUpdateFHOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        // The hive to move; 0 moves every hive of from_family.
        std::int32_t id_housing = 0;
        std::int32_t from_family = 0;
        std::int32_t id_family = 0;

        void Reset() override { *this = content(); }
    };

    // Resets the record. Hives marked deleted move like the others.
    void Update(IDatabase* database) override;

    content record;
};
