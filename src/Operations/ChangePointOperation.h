#pragma once

#include "AddPointOperation.h"

// Changes a site's name, note and user field values.
class CChangePointOperation : public COperation
{
public:
    using content = CAddPointOperation::content;

    // Stores the site's group number in id_record; fires the sites event.
    void Update(IDatabase* database) override;

    content record;
};
