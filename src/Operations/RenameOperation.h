#pragma once

#include "Operation.h"

#include <cstdint>

enum class RenameKind : std::int32_t
{
    None = 0,
    Site = 1,
    Colony = 2,
    Hive = 3,
};

// Renames a site, colony or hive. Hive rows of journal records keep the name they were written with.
class CRenameOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        RenameKind kind = RenameKind::None;
        std::int32_t id = 0;
        std::u16string name;

        void Reset() override { *this = content(); }
    };

    // Resets the record.
    void Update(IDatabase* database) override;

    content record;
};
