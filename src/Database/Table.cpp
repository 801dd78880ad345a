#include "Table.h"

#include "Calendar.h"
#include "Request.h"
#include "Result.h"
#include "Text.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace {
// parseDate reads a date column's text.
template <class ParseDate>
void Assign(const CTable::ColumnBinding& column, std::u16string_view value, ParseDate parseDate)
{
    if (auto* integer = std::get_if<std::int32_t*>(&column.field))
        **integer = WToI(value);
    else if (auto* text = std::get_if<std::u16string*>(&column.field))
        (*text)->assign(value);
    else if (auto* date = std::get_if<CTable::DateField>(&column.field))
        *date->value = parseDate(value);
    else if (auto* flag = std::get_if<bool*>(&column.field))
        **flag = WToI(value) != 0;
    else if (auto* real = std::get_if<double*>(&column.field))
        **real = WToF(value);
}

// An integer column read as WToI reads its text: limited to the range of the field.
void SetInteger(const CTable::ColumnBinding& column, std::int64_t value)
{
    const auto limited = static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    if (auto* integer = std::get_if<std::int32_t*>(&column.field))
        **integer = limited;
    else if (auto* flag = std::get_if<bool*>(&column.field))
        **flag = limited != 0;
}

// Reads the rows into the one record, calling each after every row.
class CRowFiller : public IRowReader
{
public:
    CRowFiller(CTable::content& row, const std::function<void()>& each)
        : m_row(row)
        , m_each(each)
    {
    }

    void Read(const IRow& row) override
    {
        m_positions.Fill(row, m_row);
        m_each();
    }

private:
    CTable::content& m_row;
    const std::function<void()>& m_each;
    CTable::ColumnPositions m_positions;
};

// Reads every row into a new record of the factory's kind.
class CResultFiller : public IRowReader
{
public:
    CResultFiller(CResult& result, CFillContent& factory)
        : m_result(result)
        , m_factory(factory)
    {
    }

    void Read(const IRow& row) override
    {
        std::unique_ptr<CTable::content, ReleaseDeleter<CTable::content>> record(m_factory.CreateContent());
        m_positions.Fill(row, *record);
        m_result.Append(record.release());
    }

private:
    CResult& m_result;
    CFillContent& m_factory;
    CTable::ColumnPositions m_positions;
};
}

void CTable::content::Fill(const RowData& row)
{
    const std::vector<ColumnBinding> columns = Columns();
    for (const auto& [name, value] : row) {
        for (const ColumnBinding& column : columns) {
            if (column.name == name)
                Assign(column, value, ParseDateText);
        }
    }
}

void CTable::ColumnPositions::Fill(const IRow& row, content& record)
{
    if (m_bound != &record) {
        m_bindings = record.Columns();
        m_bound = &record;
    }
    if (!m_matched) {
        const int columns = row.ColumnCount();
        for (int i = 0; i < columns; ++i) {
            const std::u16string_view name = row.ColumnName(i);
            for (std::size_t field = 0; field < m_bindings.size(); ++field) {
                if (m_bindings[field].name == name)
                    m_columnFields.emplace_back(i, field);
            }
        }
        m_matched = true;
    }
    const auto parseDate = [this](std::u16string_view text) {
        if (text != m_dateText) {
            m_dateText.assign(text);
            m_date = ParseDateText(text);
        }
        return m_date;
    };
    for (const auto& [column, field] : m_columnFields) {
        const ColumnBinding& binding = m_bindings[field];
        if (std::holds_alternative<std::int32_t*>(binding.field) || std::holds_alternative<bool*>(binding.field)) {
            if (const std::optional<std::int64_t> integer = row.ColumnInteger(column)) {
                SetInteger(binding, *integer);
                continue;
            }
        }
        if (auto* real = std::get_if<double*>(&binding.field)) {
            if (const std::optional<double> stored = row.ColumnReal(column)) {
                **real = *stored;
                continue;
            }
        }
        Assign(binding, row.ColumnText(column), parseDate);
    }
}

CTable::CTable(std::u16string name, std::u16string columnList)
    : m_name(std::move(name))
    , m_columnList(std::move(columnList))
{
}

void CTable::CreateTable(IDatabase* database)
{
    Run(database, u"CREATE TABLE IF NOT EXISTS " + m_name + m_columnList);
}

std::u16string CTable::CreateStatement() const
{
    return u"CREATE TABLE " + m_name + m_columnList;
}

std::u16string CTable::Statement(std::u16string_view head, std::u16string_view clause) const
{
    std::u16string text(head);
    text += m_name;
    text += clause;
    return text;
}

CRequest CTable::Request(
    std::u16string_view head, std::u16string_view clause, std::initializer_list<Value> values) const
{
    CRequest request(Statement(head, clause));
    std::int32_t ordinal = 0;
    for (const Value& value : values) {
        if (auto* integer = std::get_if<std::int32_t>(&value))
            request.BindInt(ordinal, *integer);
        else if (auto* text = std::get_if<std::u16string>(&value))
            request.BindText(ordinal, *text);
        else if (auto* date = std::get_if<DateValue>(&value))
            request.BindDate(ordinal, date->value);
        else if (auto* real = std::get_if<double>(&value))
            request.BindReal(ordinal, *real);
        else
            request.BindNull(ordinal);
        ++ordinal;
    }
    return request;
}

CRequest CTable::KeyedRequest(std::u16string_view head, std::u16string_view keyColumn, std::int32_t key,
    std::int32_t allRows, const std::u16string& rowName) const
{
    if (key == allRows)
        return Request(head, u"", {});
    std::u16string clause(u" WHERE ");
    clause += keyColumn;
    clause += u"=?";
    if (rowName.empty())
        return Request(head, clause, { key });
    clause += u" AND name=?";
    return Request(head, clause, { key, rowName });
}

CRequest CTable::FirstKeyRequest(
    std::u16string_view head, std::initializer_list<std::pair<std::u16string_view, std::int32_t>> keys) const
{
    for (const auto& [column, key] : keys) {
        if (key != 0)
            return KeyedRequest(head, column, key, 0);
    }
    return Request(head, u"", {});
}

std::u16string CTable::MaxQuery(std::u16string_view column) const
{
    std::u16string text(u"SELECT MAX(");
    text += column;
    text += u") as ";
    text += column;
    text += u" FROM ";
    text += m_name;
    return text;
}

void CTable::Run(IDatabase* database, const CRequest& request)
{
    Run(database, request.Build());
}

void CTable::Run(IDatabase* database, const std::u16string& text)
{
    RowList rows;
    database->ExecRequest(rows, text);
}

void CTable::RunAndReset(IDatabase* database, const CRequest& request, content& record)
{
    const std::u16string text = request.Build();
    record.Reset();
    Run(database, text);
}

IResult* CTable::RunSelect(IDatabase* database, const CRequest& request, CFillContent& factory)
{
    auto result = std::make_unique<CResult>();
    CResultFiller filler(*result, factory);
    database->ReadRequest(request.Build(), filler);
    return result.release();
}

void CTable::ReadSelect(
    IDatabase* database, const CRequest& request, content& row, const std::function<void()>& each)
{
    CRowFiller filler(row, each);
    database->ReadRequest(request.Build(), filler);
}

IResult* CTable::SelectAndReset(IDatabase* database, const CRequest& request, content& record, CFillContent& factory)
{
    record.Reset();
    return RunSelect(database, request, factory);
}

std::optional<std::int32_t> CTable::QueryMax(IDatabase* database, const std::u16string& text)
{
    RowList rows;
    database->ExecRequest(rows, text);
    if (rows.empty() || rows.front().empty() || rows.front().front().second.empty())
        return std::nullopt;
    return WToI(rows.front().front().second);
}

std::int32_t CTable::ReadMax(IDatabase* database, const std::u16string& text)
{
    return QueryMax(database, text).value_or(0);
}

std::int32_t CTable::InsertReadingKey(IDatabase* database, const CRequest& insert, std::u16string_view keyColumn) const
{
    Run(database, insert);
    // A refused row has no key; the largest key would be another row's. The error stays visible.
    if (database->HasError())
        return 0;
    return ReadMax(database, MaxQuery(keyColumn));
}
