#pragma once

#include "KeyedTable.h"

// The feeds a beekeeper gives: their names, the kilograms of sugar in a kilogram of each and the
// kilograms a litre of each weighs.
class CFeedTypesTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_feed_type = 0;
        std::u16string name;
        double sugar_share = 0.0;
        double density = 0.0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CFeedTypesTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
