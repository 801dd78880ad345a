#include "Table.h"

#include "DateText.h"
#include "Request.h"
#include "Result.h"
#include "Text.h"

#include <memory>

void CTable::content::Fill(const RowData& row)
{
    const std::vector<ColumnBinding> columns = Columns();
    for (const auto& [name, value] : row) {
        for (const ColumnBinding& column : columns) {
            if (column.name != name)
                continue;
            if (auto* integer = std::get_if<std::int32_t*>(&column.field))
                **integer = WToI(value);
            else if (auto* text = std::get_if<std::u16string*>(&column.field))
                **text = value;
            else if (auto* date = std::get_if<DateField>(&column.field))
                *date->value = ParseStoredDate(value);
            else if (auto* flag = std::get_if<bool*>(&column.field))
                **flag = WToI(value) != 0;
        }
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
    RowList rows;
    database->ExecRequest(rows, request.Build());
    auto result = std::make_unique<CResult>();
    for (const RowData& row : rows) {
        std::unique_ptr<content, ReleaseDeleter<content>> record(factory.CreateContent());
        record->Fill(row);
        result->Append(record.release());
    }
    return result.release();
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
