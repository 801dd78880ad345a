#pragma once

#include "Table.h"

// Honey extractions of a colony, by date.
class CEvacuationTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int64_t date = 0;
        std::int32_t id_family = 0;
        std::int32_t honey = 0;
        std::u16string plant;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CEvacuationTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // An empty plant is stored as NULL.
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;
};
