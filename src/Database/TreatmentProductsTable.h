#pragma once

#include "KeyedTable.h"

// The medicines a beekeeper gives the bees: the dictionary a treatment's product is chosen from. The
// dose and withdrawal days are what a new treatment starts with.
class CTreatmentProductsTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_product = 0;
        std::u16string name;
        std::u16string substance;
        std::u16string form;
        double dose = 0.0;
        std::u16string unit;
        std::int32_t withdrawal_days = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CTreatmentProductsTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
