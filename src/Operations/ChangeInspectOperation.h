#pragma once

#include "InspectFields.h"
#include "Operation.h"

// Changes a journal record, its user field values and its hive rows; the record keeps its colony.
class CChangeInspectOperation : public COperation
{
public:
    class content : public COperation::content, public InspectFields
    {
    public:
        std::int32_t id_journal = 0;

        void Reset() override { *this = content(); }
    };

    // Stores the record's group number in id_record.
    void Update(IDatabase* database) override;

    content record;
};
