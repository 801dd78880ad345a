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

void CTable::Run(IDatabase* database, const CRequest& request)
{
    Run(database, request.Build());
}

void CTable::Run(IDatabase* database, const std::u16string& text)
{
    RowList rows;
    database->ExecRequest(rows, text);
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

std::int32_t CTable::ReadMax(IDatabase* database, const std::u16string& text)
{
    RowList rows;
    database->ExecRequest(rows, text);
    if (rows.empty() || rows.front().empty())
        return 0;
    return WToI(rows.front().front().second);
}
