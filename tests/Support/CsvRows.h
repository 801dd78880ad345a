#pragma once

#include <string>
#include <string_view>
#include <vector>

using CsvRows = std::vector<std::vector<std::u16string>>;

// Reads RFC 4180 text the way a spreadsheet program does, independently of the program's writer:
// an optional UTF-8 byte-order mark, quoted fields with doubled quotes, CRLF between records. Sets
// failure when the text breaks the format (a bare LF, a quote inside an unquoted field, an
// unclosed quote).
CsvRows ParseCsv(std::string_view bytes, bool& failure, char separator = ',');
// The bytes of a whole file.
std::string ReadFileBytes(const std::string& path);
