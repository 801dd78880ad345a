#include "SheetData.h"

#include "Calendar.h"
#include "TableDrawer.h"
#include "Text.h"

#include <algorithm>
#include <charconv>

namespace {
// A number column's cell as a number when it holds one whole, typed with either decimal mark.
CXlsxBook::Cell NumberCell(const std::u16string& shown)
{
    std::string text = ToUtf8(shown);
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = !text.empty() && error == std::errc() && end == text.data() + text.size();
    return whole ? CXlsxBook::Cell::Number(value) : CXlsxBook::Cell::Text(shown);
}
}

CXlsxBook::Cell TypedCell(const std::u16string& shown, int columnType)
{
    if (columnType == ColumnInteger || columnType == ColumnReal)
        return NumberCell(shown);
    // A single date; a cell listing several stays a text.
    const std::int64_t date = columnType == ColumnDate && shown.size() == 10 ? ParseDateText(shown) : 0;
    return date != 0 ? CXlsxBook::Cell::Date(date) : CXlsxBook::Cell::Text(shown);
}

SheetData GridSheet(std::u16string name, const CTableDrawer& grid)
{
    SheetData sheet { std::move(name), {}, {} };
    for (const auto& column : grid.Headers())
        sheet.header.push_back(column->Text());
    for (const auto& row : grid.Rows()) {
        CXlsxBook::Row& cells = sheet.rows.emplace_back();
        for (const auto& column : grid.Headers())
            cells.push_back(TypedCell(grid.GetCellText(row.get(), column->ColumnId()), column->ColumnType()));
    }
    return sheet;
}

void AddToBook(CXlsxBook& book, SheetData sheet)
{
    book.AddSheet(sheet.name, std::move(sheet.header), std::move(sheet.rows));
}

bool SaveSheetCsv(const SheetData& sheet, const std::filesystem::path& file, CsvFormat format)
{
    CCsvWriter csv(format);
    for (const std::u16string& caption : sheet.header)
        csv.AddText(caption);
    csv.EndRow();
    for (const CXlsxBook::Row& row : sheet.rows) {
        for (const CXlsxBook::Cell& cell : row) {
            if (cell.kind == CXlsxBook::Cell::Kind::Number)
                csv.AddNumber(cell.number);
            else if (cell.kind == CXlsxBook::Cell::Kind::Date)
                csv.AddDate(cell.date);
            else
                csv.AddText(cell.text);
        }
        csv.EndRow();
    }
    return csv.Save(file);
}
