#pragma once

#include "Operation.h"

// Releases every queen bee of a colony: they stay, in no colony.
class CDeleteQBFamilyOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_family = 0;

        void Reset() override { *this = content(); }
    };

    // Resets the record.
    void Delete(IDatabase* database) override;

    content record;
};
