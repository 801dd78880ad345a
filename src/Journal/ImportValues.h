#pragma once

#include "SheetTable.h"

#include <cstdint>
#include <optional>
#include <string_view>

// How a table's cells read as a record's values, whoever wrote the table: a decimal comma or
// point, spaces between thousands; dates as dd.mm.yyyy, d.m.yy, yyyy-mm-dd (a time after them
// ignored) or a spreadsheet's date cell.

// None when the text is no number.
std::optional<double> ReadImportNumber(std::u16string_view text);
// The local midnight of the cell's day; 0 when it names no day of the calendar.
std::int64_t ReadImportDate(const SheetCell& cell);
// The text without the spaces around it.
std::u16string_view TrimmedText(std::u16string_view text);
