#pragma once

#include "Operation.h"

#include <cstdint>

enum class DeleteKind : std::int32_t
{
    None = 0,
    Site = 1,
    Colony = 2,
    Record = 3,
    Queen = 4,
};

// Deletes one site, colony or journal record with the rows that belong only to it, or one queen bee.
// It does not follow a site to its colonies or a colony to its hives, queens or journal records; a
// colony's own events go with it, except those linking it with another colony.
class CDeleteOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        DeleteKind kind = DeleteKind::None;
        std::int32_t id = 0;

        void Reset() override { *this = content(); }
    };

    // Resets the record.
    void Delete(IDatabase* database) override;

    content record;

private:
    void DeletePoint(IDatabase* database) const;
    void DeleteFamily(IDatabase* database) const;
    void DeleteJournal(IDatabase* database) const;
    void DeleteQueenBee(IDatabase* database) const;
};
