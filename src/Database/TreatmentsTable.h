#pragma once

#include "KeyedTable.h"

// One treatment with a veterinary medicine, given to the colonies named for it in care_colonies. It
// keeps the withdrawal days it was given with, whatever the product's entry says later.
class CTreatmentsTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_treatment = 0;
        std::int32_t id_product = 0;
        std::u16string batch;
        double dose = 0.0;
        std::u16string unit;
        std::u16string method;
        std::int64_t date_start = 0;
        std::int64_t date_end = 0;
        std::int32_t withdrawal_days = 0;
        std::u16string prescriber;
        std::u16string note;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CTreatmentsTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
