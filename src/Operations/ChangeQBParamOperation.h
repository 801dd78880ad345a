#pragma once

#include "Operation.h"

// Moves a queen bee to another colony or gives her another mother.
class CChangeQBParamOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_queen_bee = 0;
        std::int32_t id_family = 0;
        std::int32_t id_parent_queen_bee = 0;
        // 0 nothing, 1 set the colony, 2 set the mother.
        std::int32_t which = 0;

        void Reset() override { *this = content(); }
    };

    // Resets the record. Neither the colony nor the mother is checked to exist.
    void Update(IDatabase* database) override;

    content record;
};
