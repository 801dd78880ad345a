#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A table read from a spreadsheet or a CSV file: the header row, then the rows that hold anything.
struct SheetCell
{
    // As the file has it; a spreadsheet's number as its shortest text with a decimal point.
    std::u16string text;
    // A spreadsheet's date cell: the local midnight of its day; 0 for any other cell.
    std::int64_t date = 0;

    bool operator==(const SheetCell&) const = default;
};

struct SheetRow
{
    // The row's number as a spreadsheet program shows it (the header is row 1).
    int number = 0;
    std::vector<SheetCell> cells;
};

struct SheetTable
{
    std::vector<std::u16string> header;
    std::vector<SheetRow> rows;
};

// A .xlsx file's sheets, else a CSV file as one table; none when the file cannot be read as either.
std::optional<std::vector<SheetTable>> ReadSheetFile(const std::filesystem::path& file);
