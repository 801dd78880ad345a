#pragma once

#include "KeyedTable.h"

// One feeding: the same amount of one feed to each of the colonies named for it in care_colonies.
class CFeedingsTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_feeding = 0;
        std::int32_t id_feed_type = 0;
        double amount = 0.0;
        std::int32_t unit = 0;
        std::int64_t date = 0;
        std::u16string note;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CFeedingsTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
