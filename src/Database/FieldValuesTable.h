#pragma once

#include "Table.h"

// Values of the user's own fields, as text, in groups: every value of one owner row shares the
// group number (id_record) that the row stores.
class CFieldValuesTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        // -1 selects every group.
        std::int32_t id_record = -1;
        std::u16string name;
        std::u16string value;
        std::int32_t type = 1;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CFieldValuesTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    // The largest group number in use; 0 when there is none.
    std::int32_t GetMaxIdRecord(IDatabase* database);

    content record;
};
