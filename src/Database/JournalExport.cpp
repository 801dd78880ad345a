#include "JournalExport.h"

#include "Calendar.h"
#include "CsvWriter.h"
#include "SchemaTables.h"
#include "Table.h"
#include "TableColumns.h"
#include "Text.h"
#include "XlsxBook.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {
using Cell = CXlsxBook::Cell;

struct TableRows
{
    std::vector<std::u16string> header;
    std::vector<CXlsxBook::Row> rows;
};

class CCellReader : public IRowReader
{
public:
    CCellReader(TableRows& table, std::vector<bool> dateColumns)
        : m_table(table)
        , m_dateColumns(std::move(dateColumns))
    {
    }

    void Read(const IRow& row) override
    {
        CXlsxBook::Row& cells = m_table.rows.emplace_back();
        for (int i = 0; i < row.ColumnCount(); ++i) {
            const auto column = static_cast<std::size_t>(i);
            if (const auto integer = row.ColumnInteger(i)) {
                cells.push_back(Cell::Number(static_cast<double>(*integer)));
                continue;
            }
            const std::u16string_view text = row.ColumnText(i);
            const std::int64_t date = column < m_dateColumns.size() && m_dateColumns[column] ? ParseDateText(text) : 0;
            cells.push_back(date != 0 ? Cell::Date(date) : Cell::Text(std::u16string(text)));
        }
    }

private:
    TableRows& m_table;
    std::vector<bool> m_dateColumns;
};

std::optional<TableRows> ReadTable(IDatabase* database, const std::u16string& table)
{
    const std::vector<TableColumn> columns = TableColumns(database, table);
    if (database->HasError() || columns.empty())
        return std::nullopt;
    TableRows rows;
    std::vector<bool> dateColumns;
    for (const TableColumn& column : columns) {
        rows.header.push_back(column.name);
        dateColumns.push_back(EqualsNoCase(column.type, u"DATE"));
    }
    CCellReader reader(rows, std::move(dateColumns));
    database->ReadRequest(u"SELECT * FROM " + table + u" ORDER BY rowid;", reader);
    if (database->HasError())
        return std::nullopt;
    return rows;
}

bool SaveCsv(const TableRows& table, const std::filesystem::path& file, CsvFormat format)
{
    CCsvWriter writer(format);
    for (const std::u16string& name : table.header)
        writer.AddText(name);
    writer.EndRow();
    for (const CXlsxBook::Row& row : table.rows) {
        for (const Cell& cell : row) {
            // The file's integers are read exactly and written without a decimal part.
            if (cell.kind == Cell::Kind::Number && std::trunc(cell.number) == cell.number)
                writer.AddInteger(static_cast<std::int64_t>(cell.number));
            else if (cell.kind == Cell::Kind::Number)
                writer.AddNumber(cell.number);
            else if (cell.kind == Cell::Kind::Date)
                writer.AddDate(cell.date);
            else
                writer.AddText(cell.text);
        }
        writer.EndRow();
    }
    return writer.Save(file);
}

// Reads each of the journal's tables that the file holds and hands it on; false when one failed.
template <class Take>
bool EachTable(IDatabase* database, Take take)
{
    bool whole = true;
    for (const auto& table : CreateSchemaTables()) {
        if (!database->HasTable(table->GetName()))
            continue;
        auto rows = ReadTable(database, table->GetName());
        whole = rows && take(table->GetName(), std::move(*rows)) && whole;
    }
    return whole;
}
}

bool ExportJournal(IDatabase* database, const std::filesystem::path& folder, CsvFormat format)
{
    return EachTable(database, [&](const std::u16string& name, TableRows rows) {
        return SaveCsv(rows, folder / ToPath(name + u".csv"), format);
    });
}

bool ExportJournalBook(IDatabase* database, const std::filesystem::path& file)
{
    CXlsxBook book;
    const bool read = EachTable(database, [&](const std::u16string& name, TableRows rows) {
        book.AddSheet(name, std::move(rows.header), std::move(rows.rows));
        return true;
    });
    return read && book.Save(file);
}
