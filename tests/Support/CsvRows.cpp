#include "CsvRows.h"

#include "Text.h"

#include <fstream>
#include <iterator>

CsvRows ParseCsv(std::string_view bytes, bool& failure, char separator)
{
    failure = false;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    CsvRows rows;
    std::vector<std::u16string> row;
    std::string field;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == '"') {
            for (++i;; ++i) {
                if (i >= bytes.size()) {
                    failure = true;
                    return rows;
                }
                if (bytes[i] == '"') {
                    if (i + 1 < bytes.size() && bytes[i + 1] == '"')
                        ++i;
                    else
                        break;
                }
                field += bytes[i];
            }
            ++i;
        }
        while (i < bytes.size() && bytes[i] != separator && bytes[i] != '\r') {
            if (bytes[i] == '"' || bytes[i] == '\n')
                failure = true;
            field += bytes[i++];
        }
        row.push_back(FromUtf8(field));
        field.clear();
        if (i < bytes.size() && bytes[i] == separator) {
            ++i;
            if (i == bytes.size())
                row.push_back(std::u16string());
            continue;
        }
        if (i < bytes.size()) {
            if (bytes.substr(i, 2) != "\r\n")
                failure = true;
            i += 2;
        }
        rows.push_back(std::move(row));
        row.clear();
    }
    if (!row.empty())
        rows.push_back(std::move(row));
    return rows;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
