#include "SheetTable.h"

#include "CsvReader.h"
#include "XlsxReader.h"

#include <fstream>
#include <iterator>

std::optional<std::vector<SheetTable>> ReadSheetFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A .xlsx file is a zip archive, whatever its name ends with.
    if (bytes.compare(0, 4, "PK\x03\x04") == 0)
        return ReadXlsxSheets(file);
    SheetTable table = ReadCsv(bytes);
    if (table.header.empty())
        return std::nullopt;
    return std::vector<SheetTable> { std::move(table) };
}
