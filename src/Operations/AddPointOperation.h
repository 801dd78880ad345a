#pragma once

#include "Operation.h"

// Adds a site with its user field values.
class CAddPointOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        std::int32_t id_point = 0;
        std::u16string name;
        std::u16string note;
        std::int32_t id_record = 0;
        FieldValues values;

        void Reset() override { *this = content(); }
    };

    // Stores id_point and id_record; fires the sites event.
    virtual void Add(IDatabase* database);

    content record;
};
