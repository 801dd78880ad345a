#pragma once

#include "Operation.h"

// Lists the hive rows of a journal record, or of every record, with the hives' current names.
class CGetInspectOperation : public COperation
{
public:
    class content : public COperation::content
    {
    public:
        // The filter of the query (0: every record) and, in its results, the row's record.
        std::int32_t id_journal = 0;
        std::int32_t id_housing = 0;
        std::u16string name;
        std::int32_t honey = 0;
        std::int32_t brood = 0;
        std::int32_t open_brood = 0;
        std::int32_t close_brood = 0;
        std::int32_t goods_honey = 0;

        void Reset() override { *this = content(); }
        // A row of inspect joined with housings.
        void Fill(const RowData& row) override;

    protected:
        std::vector<CTable::ColumnBinding> Columns() override;
    };

    // The caller releases the result; its records are CGetInspectOperation::content.
    IResult* Get(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;
};
