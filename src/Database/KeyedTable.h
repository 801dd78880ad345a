#pragma once

#include "Request.h"
#include "Table.h"

#include <functional>

// A table whose rows have one integer key that SQLite assigns, named by the record's first
// column: every other column is written as the record has it, so a kind of row is only its
// record's fields and its columns' types.
class CKeyedTable : public CTable, public CFillContent
{
public:
    CKeyedTable(std::u16string name, std::u16string columnList);

    // The row of the record's key, else every row in key order.
    IResult* Select(IDatabase* database) override;
    // Every column but the key; the new key is stored in the record.
    void Insert(IDatabase* database) override;
    // Every column of the row of the record's key.
    void Update(IDatabase* database) override;
    // The row of the record's key; nothing without one.
    void Delete(IDatabase* database) override;

protected:
    virtual content& Record() = 0;

    // As Select, handing each row to each instead of keeping it.
    template <class Record>
    void SelectEachOf(IDatabase* database, Record& record, const std::function<void(const Record&)>& each)
    {
        const CRequest request = SelectRequest(record);
        ReadAndReset(database, request, record, each);
    }

private:
    CRequest SelectRequest(content& record) const;
    static std::int32_t* KeyOf(std::vector<ColumnBinding>& columns);
};
