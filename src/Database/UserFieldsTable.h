#pragma once

#include "Table.h"

// The user's own fields per owner kind (1 sites, 2 colonies, 3 journal records), known by kind and name.
class CUserFieldsTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t itable = 0;
        std::u16string name;
        std::int32_t type = 1;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CUserFieldsTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;
};
