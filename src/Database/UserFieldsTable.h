#pragma once

#include "Table.h"

// The user's own fields per owner kind, known by kind and name.
class CUserFieldsTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        // The stored number of an OwnerKind; 0 selects every kind.
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
