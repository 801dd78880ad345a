#pragma once

#include "InspectHousing.h"
#include "Operation.h"

// Changes a journal record, its user field values and its hive rows; the record keeps its colony.
class CChangeInspectOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_journal = 0;
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
        // Replaces the record's hive rows as a whole.
        InspectHousings hives;

        void Reset() override { *this = content(); }
    };

    // Stores the record's group number in id_record.
    void Update(IDatabase* database) override;

    content record;
};
