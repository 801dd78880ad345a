#pragma once

#include "Operation.h"

// Adds a colony at a site with its user field values.
class CAddFamilyOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_family = 0;
        std::u16string name;
        std::int32_t id_point = 0;
        std::int32_t type = 0;
        std::u16string note;
        std::int32_t id_record = 0;
        FieldValues values;

        void Reset() override { *this = content(); }
    };

    // Stores id_family and id_record.
    virtual void Add(IDatabase* database);

    content record;
};
