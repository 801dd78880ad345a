#pragma once

#include "SheetTable.h"

// Reads the sheets of a .xlsx file (a zip of XML parts) in the workbook's order, those with a header
// row: texts from the shared strings or written in the cell, numbers as their shortest text, and
// numbers in a date format as dates. None when the file is no readable spreadsheet.
std::optional<std::vector<SheetTable>> ReadXlsxSheets(const std::filesystem::path& file);

// The day of a spreadsheet's date serial number (days since 30 December 1899) as its local midnight;
// 0 outside 1900 to 9999.
std::int64_t SerialDate(double serial);
