#pragma once

#include "IDatabase.h"
#include "Result.h"
#include "Table.h"

#include <map>
#include <optional>
#include <string>

class CRequest;

// One change or query of the journal that spans several tables. The caller fills the record,
// runs one entry point on a connection it holds (and a transaction it manages) and reads the
// outputs back from the record.
class IOperation : public IBase
{
public:
    // The record of an operation. It is a table record so that query results can hold it.
    class i_content : public CTable::content
    {
    public:
        // Operation records are not filled from rows unless a query says so.
        void Fill(const RowData&) override {}

    protected:
        std::vector<CTable::ColumnBinding> Columns() override { return {}; }
    };

    virtual void Update(IDatabase* database) = 0;
    // The caller releases the result.
    virtual IResult* Get(IDatabase* database) = 0;
    virtual void Execute(IDatabase* database) = 0;
    virtual void Delete(IDatabase* database) = 0;
};

class COperation : public IOperation, public CFillContent
{
public:
    class content : public IOperation::i_content
    {
    public:
        void Reset() override {}
    };

    ~COperation() override = default;

    void Release() override { delete this; }
    void Update(IDatabase*) override {}
    IResult* Get(IDatabase* database) override;
    void Execute(IDatabase*) override {}
    void Delete(IDatabase*) override {}
    CTable::content* CreateContent() override { return new content(); }

protected:
    // Runs a statement whose rows, if any, are not needed.
    static void Run(IDatabase* database, const CRequest& request);
};

// User field values of one owner row, by field name.
using FieldValues = std::map<std::u16string, std::u16string>;

// Selects with the table's current record and gives a copy of the first row, if there is one.
template <class Table>
std::optional<typename Table::content> SelectFirst(IDatabase* database, Table& table)
{
    const ReleasePtr<IResult> result(table.Select(database));
    const auto rows = RecordsOf<typename Table::content>(result.get());
    if (rows.empty())
        return std::nullopt;
    return *rows.front();
}
