#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Reads a spreadsheet file (.xlsx) back with an independent reader, Python's openpyxl (Debian's
// python3-openpyxl), as a spreadsheet program types its cells.
class BookParts
{
public:
    struct Cell
    {
        // The type openpyxl gives the value: "int", "float", "datetime" or "str".
        std::string type;
        // A date as YYYY-MM-DD, a number as Python writes it, a text as it is.
        std::u16string value;
        bool bold = false;
    };
    struct Sheet
    {
        std::u16string name;
        // The top-left cell that scrolls, "A2" for a frozen header row; empty when none is frozen.
        std::string frozenAt;
        std::map<std::string, Cell> cells;
        // Column letter to width, for the columns given one.
        std::map<std::string, double> widths;
    };

    // No sheets when the file could not be read.
    explicit BookParts(const std::filesystem::path& file);

    const std::vector<Sheet>& Sheets() const { return m_sheets; }
    std::vector<std::u16string> SheetNames() const;
    // The sheet by its place, counting from 1.
    const std::map<std::string, Cell>& Cells(std::size_t sheet) const { return m_sheets.at(sheet - 1).cells; }

private:
    std::vector<Sheet> m_sheets;
};
