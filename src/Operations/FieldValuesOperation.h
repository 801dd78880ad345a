#pragma once

#include "Operation.h"
#include "OwnerKind.h"

// Stores the user field values of one site, colony or journal record as one group of
// field_values rows; the owner row keeps the group number.
class CFieldValuesOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        // The group number, 0 when the owner has none.
        std::int32_t id_record = 0;
        OwnerKind itable = OwnerKind::None;
        FieldValues values;

        void Reset() override { *this = content(); }
    };

    // Writes the values as a new group (none for an empty map).
    virtual void Add(IDatabase* database);
    // Changes or adds the values in the record's group, allocating a group when there is none yet.
    void Update(IDatabase* database) override;

    content record;

private:
    std::int32_t TypeOf(IDatabase* database, const std::u16string& name) const;
    void Insert(IDatabase* database, const std::u16string& name, const std::u16string& value) const;
};
