#pragma once

#include "InspectFields.h"
#include "Operation.h"

// Adds a journal record of a colony visit with its user field values and hive rows.
class CAddInspectOperation : public COperation
{
public:
    class content : public COperation::content, public InspectFields
    {
    public:
        std::int32_t id_journal = 0;
        std::int32_t id_family = 0;

        void Reset() override { *this = content(); }
    };

    // Stores id_journal and id_record.
    virtual void Add(IDatabase* database);

    content record;
};
