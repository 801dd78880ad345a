#pragma once

#include "CsvWriter.h"
#include "XlsxBook.h"

#include <filesystem>
#include <string>
#include <vector>

class CTableDrawer;

// A table of typed cells under its header row, written as a sheet of a book or as a CSV file.
struct SheetData
{
    std::u16string name;
    std::vector<std::u16string> header;
    std::vector<CXlsxBook::Row> rows;
};

// A cell as a grid column of that type shows it, typed: a number as a number, a single date as a
// date, anything else as the text shown.
CXlsxBook::Cell TypedCell(const std::u16string& shown, int columnType);
// The grid as the user sees it.
SheetData GridSheet(std::u16string name, const CTableDrawer& grid);
void AddToBook(CXlsxBook& book, SheetData sheet);
// Numbers with the format's decimal mark and dates as YYYY-MM-DD, as CCsvWriter writes them.
bool SaveSheetCsv(const SheetData& sheet, const std::filesystem::path& file, CsvFormat format);
