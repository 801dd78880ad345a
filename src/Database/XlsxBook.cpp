#include "XlsxBook.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "Text.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <memory>

namespace {
constexpr std::size_t kSheetNameMost = 31;
constexpr double kWidestColumn = 60;
// The reader's own short date form.
constexpr int kShortDateFormat = 14;

struct BookCloser
{
    void operator()(lxw_workbook* book) const { workbook_close(book); }
};

// Characters of the shown text; a date takes as many as its dd.mm.yyyy form.
double Width(const CXlsxBook::Cell& cell)
{
    switch (cell.kind) {
    case CXlsxBook::Cell::Kind::Text: return static_cast<double>(cell.text.size());
    case CXlsxBook::Cell::Kind::Number: {
        char buffer[32];
        return static_cast<double>(std::to_chars(buffer, buffer + sizeof buffer, cell.number).ptr - buffer);
    }
    case CXlsxBook::Cell::Kind::Date: return 10;
    }
    return 0;
}

std::u16string SheetName(std::u16string name, std::size_t index)
{
    std::replace_if(name.begin(), name.end(), [](char16_t c) { return std::u16string_view(u"[]:*?/\\").find(c) != std::u16string_view::npos; }, u' ');
    name = name.substr(0, kSheetNameMost);
    return name.empty() || name.front() == u'\'' ? u"Sheet " + IntToText(static_cast<int>(index + 1)) : name;
}

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const CXlsxBook::Cell& cell, lxw_format* date)
{
    switch (cell.kind) {
    case CXlsxBook::Cell::Kind::Text:
        if (!cell.text.empty())
            worksheet_write_string(sheet, row, column, ToUtf8(cell.text).c_str(), nullptr);
        break;
    case CXlsxBook::Cell::Kind::Number:
        worksheet_write_number(sheet, row, column, cell.number, nullptr);
        break;
    case CXlsxBook::Cell::Kind::Date: {
        const LocalTime local = ToLocalTime(cell.date).value_or(LocalTime {});
        lxw_datetime day { local.year, local.month, local.day, 0, 0, 0 };
        worksheet_write_datetime(sheet, row, column, &day, date);
        break;
    }
    }
}
}

void CXlsxBook::AddSheet(const std::u16string& name, std::vector<std::u16string> header, std::vector<Row> rows)
{
    m_sheets.push_back({ SheetName(name, m_sheets.size()), std::move(header), std::move(rows) });
}

bool CXlsxBook::Write(const std::filesystem::path& file) const
{
    std::unique_ptr<lxw_workbook, BookCloser> book(workbook_new(file.string().c_str()));
    if (!book)
        return false;
    lxw_format* bold = workbook_add_format(book.get());
    format_set_bold(bold);
    lxw_format* date = workbook_add_format(book.get());
    format_set_num_format_index(date, kShortDateFormat);
    for (const Sheet& source : m_sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(book.get(), ToUtf8(source.name).c_str());
        if (!sheet)
            return false;
        std::vector<double> widths;
        for (std::size_t c = 0; c < source.header.size(); ++c) {
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), ToUtf8(source.header[c]).c_str(), bold);
            widths.push_back(static_cast<double>(source.header[c].size()));
        }
        for (std::size_t r = 0; r < source.rows.size(); ++r) {
            const Row& row = source.rows[r];
            widths.resize(std::max(widths.size(), row.size()), 0);
            for (std::size_t c = 0; c < row.size(); ++c) {
                WriteCell(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c), row[c], date);
                widths[c] = std::max(widths[c], Width(row[c]));
            }
        }
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const auto column = static_cast<lxw_col_t>(c);
            worksheet_set_column(sheet, column, column, std::min(widths[c] + 2, kWidestColumn), nullptr);
        }
        worksheet_freeze_panes(sheet, 1, 0);
    }
    return workbook_close(book.release()) == LXW_NO_ERROR;
}

bool CXlsxBook::Save(const std::filesystem::path& file) const
{
    // The library writes to a path of its own; the finished book then replaces the file in one step.
    std::filesystem::path partial = file;
    partial += ".partial";
    std::string bytes;
    if (Write(partial)) {
        std::ifstream in(partial, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    return !bytes.empty() && WriteFileAtomically(file, bytes);
}
