#pragma once

#include "InspectHousing.h"
#include "Operation.h"

// Adds a journal record of a colony visit with its user field values and hive rows.
class CAddInspectOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_journal = 0;
        std::int32_t id_family = 0;
        std::int64_t date = 0;
        std::int32_t frame = 0;
        std::int32_t strength = 0;
        std::int32_t wax = 0;
        std::int32_t is_queen_bee = 0;
        std::int32_t ambrosia = 0;
        std::int32_t evacuation = 0;
        std::int32_t dieting = 0;
        std::int32_t disease = 0;
        std::u16string note;
        std::int32_t id_record = 0;
        FieldValues values;
        InspectHousings hives;

        void Reset() override { *this = content(); }
    };

    // Stores id_journal and id_record.
    virtual void Add(IDatabase* database);

    content record;
};
