#pragma once

#include "AddFamilyOperation.h"

// Changes a colony's name, type, note and user field values; the colony stays at its site.
class CChangeFamilyOperation : public COperation
{
public:
    using content = CAddFamilyOperation::content;

    // Stores the colony's group number in id_record; the record's id_point is not used.
    void Update(IDatabase* database) override;

    content record;
};
