#pragma once

#include "Operation.h"

// Renames a site, colony or hive. Hive rows of journal records keep the name they were written with.
class CRenameOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        // 1 site, 2 colony, 3 hive; 0 renames nothing.
        std::int32_t kind = 0;
        std::int32_t id = 0;
        std::u16string name;

        void Reset() override { *this = content(); }
    };

    // Resets the record.
    void Update(IDatabase* database) override;

    content record;
};
