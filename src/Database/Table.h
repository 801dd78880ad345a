#pragma once

#include "IDatabase.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class CRequest;
class IResult;

// One SQL table: a short-lived worker whose current record ("content") selects or carries rows.
class ITable : public IBase
{
public:
    virtual void Update(IDatabase* database) = 0;
    virtual IResult* Select(IDatabase* database) = 0;
    virtual void Insert(IDatabase* database) = 0;
    virtual void Delete(IDatabase* database) = 0;
    virtual std::vector<std::u16string> GetNameList() = 0;
    virtual std::u16string GetName() = 0;
    virtual void CreateTable(IDatabase* database) = 0;
};

class CFillContent;

class CTable : public ITable
{
public:
    // A stored date: seconds since 1970, read back by day only.
    struct DateField
    {
        std::int64_t* value;
    };
    struct ColumnBinding
    {
        std::u16string_view name;
        std::variant<std::int32_t*, std::u16string*, DateField, bool*, double*> field;
    };
    class content;

    // Which column of a statement sets which field of a record: matched by name on the first row,
    // then used for every row of the statement.
    class ColumnPositions
    {
    public:
        // Sets the record's fields from the row; a later column of the same name wins.
        void Fill(const IRow& row, content& record);

    private:
        std::vector<std::pair<int, std::size_t>> m_columnFields;
        bool m_matched = false;
        // The bindings of the last record filled, for a record that is filled again row after row.
        content* m_bound = nullptr;
        std::vector<ColumnBinding> m_bindings;
        // Rows of one visit day repeat the date; it is parsed once.
        std::u16string m_dateText;
        std::int64_t m_date = 0;
    };

    // The record of one row. Fill sets the fields whose column names appear in the row.
    class content
    {
    public:
        virtual ~content() = default;
        virtual void Release() { delete this; }
        virtual void Reset() = 0;
        virtual void Fill(const RowData& row);

    protected:
        friend class ColumnPositions;
        friend class CKeyedTable;
        virtual std::vector<ColumnBinding> Columns() = 0;
    };

    CTable(std::u16string name, std::u16string columnList);

    void Release() override { delete this; }
    std::vector<std::u16string> GetNameList() override { return m_nameList; }
    std::u16string GetName() override { return m_name; }
    void CreateTable(IDatabase* database) override;
    // "CREATE TABLE " + name + its columns: for a schema step, which fails on a table already there.
    std::u16string CreateStatement() const;

protected:
    struct DateValue
    {
        std::int64_t value;
    };
    struct NullValue
    {
    };
    using Value = std::variant<std::int32_t, std::u16string, DateValue, NullValue, double>;

    // "SELECT * FROM " + name + clause, and the like.
    std::u16string Statement(std::u16string_view head, std::u16string_view clause) const;
    // The statement of head + name + clause with the values bound by ordinal, in order.
    CRequest Request(std::u16string_view head, std::u16string_view clause, std::initializer_list<Value> values) const;
    // head + name for every row when key is allRows; otherwise narrowed by " WHERE keyColumn=?" and,
    // when rowName is not empty, by " AND name=?".
    CRequest KeyedRequest(std::u16string_view head, std::u16string_view keyColumn, std::int32_t key,
        std::int32_t allRows, const std::u16string& rowName = std::u16string()) const;
    // head + name narrowed by the first key, in order, that is not 0; every row when all are 0.
    CRequest FirstKeyRequest(
        std::u16string_view head, std::initializer_list<std::pair<std::u16string_view, std::int32_t>> keys) const;
    // "SELECT MAX(column) as column FROM " + name.
    std::u16string MaxQuery(std::u16string_view column) const;

    static void Run(IDatabase* database, const CRequest& request);
    static void Run(IDatabase* database, const std::u16string& text);
    // Resets the record, then runs the statement built before (updates, deletes, keyless inserts).
    static void RunAndReset(IDatabase* database, const CRequest& request, content& record);
    // Runs the select and turns every row into a new record of the table's kind.
    static IResult* RunSelect(IDatabase* database, const CRequest& request, CFillContent& factory);
    // Resets the record, then selects.
    static IResult* SelectAndReset(
        IDatabase* database, const CRequest& request, content& record, CFillContent& factory);
    // Resets the record, then runs the select filling one record of its kind row after row and
    // handing it to each; no row is kept.
    template <class Record>
    static void ReadAndReset(IDatabase* database, const CRequest& request, Record& record,
        const std::function<void(const Record&)>& each)
    {
        record.Reset();
        Record row;
        ReadSelect(database, request, row, [&] { each(row); });
    }
    // The integer of the first value of the first row of a MAX query; none when the table is empty.
    static std::optional<std::int32_t> QueryMax(IDatabase* database, const std::u16string& text);
    // As QueryMax, 0 for an empty table.
    static std::int32_t ReadMax(IDatabase* database, const std::u16string& text);
    // Runs the insert and reads the new key back as the largest key of the table.
    std::int32_t InsertReadingKey(IDatabase* database, const CRequest& insert, std::u16string_view keyColumn) const;

private:
    static void ReadSelect(
        IDatabase* database, const CRequest& request, content& row, const std::function<void()>& each);

    std::u16string m_name;
    std::vector<std::u16string> m_nameList;
    std::u16string m_columnList;
};

class CFillContent
{
public:
    // A new, reset record of the owning table's kind, owned by the caller.
    virtual CTable::content* CreateContent() = 0;

protected:
    virtual ~CFillContent() = default;
};
