#include "CsvReader.h"

#include "Text.h"

#include <algorithm>
#include <array>

namespace {
// Windows-1251 from 0x80 to 0xBF; from 0xC0 on it is А..я in order.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// The separator the header row (the first line that is not empty, up to its line break outside
// quotes) holds most of.
char16_t GuessSeparator(std::u16string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(u"\r\n"), text.size()));
    std::size_t counts[3] = {};
    constexpr char16_t kSeparators[3] = { u';', u'\t', u',' };
    bool quoted = false;
    for (const char16_t c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        for (std::size_t k = 0; k < 3; ++k)
            counts[k] += !quoted && c == kSeparators[k];
    }
    const std::size_t most = static_cast<std::size_t>(std::max_element(counts, counts + 3) - counts);
    return counts[most] > 0 ? kSeparators[most] : u',';
}

bool IsBlankRow(const std::vector<SheetCell>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const SheetCell& cell) { return IsBlank(cell.text); });
}
}

std::u16string DecodeCsvText(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    // Bytes that are not UTF-8 decode to replacement characters, which a file in UTF-8 rarely holds.
    std::u16string utf8 = FromUtf8(bytes);
    if (utf8.find(u'\uFFFD') == std::u16string::npos || bytes.find("\xEF\xBF\xBD") != std::string_view::npos)
        return utf8;
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += code < 0x80 ? static_cast<char16_t>(code)
            : code < 0xC0   ? kCp1251High[code - 0x80]
                            : static_cast<char16_t>(0x0410 + (code - 0xC0));
    }
    return text;
}

SheetTable ReadCsv(std::string_view bytes)
{
    const std::u16string text = DecodeCsvText(bytes);
    const char16_t separator = GuessSeparator(text);
    std::vector<std::vector<SheetCell>> records;
    std::vector<SheetCell> cells;
    std::u16string field;
    bool quoted = false;
    bool fieldStarted = false;
    auto endField = [&] {
        cells.push_back({ field, 0 });
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        records.push_back(std::move(cells));
        cells.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.empty()) {
            quoted = fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.empty() || !cells.empty())
        endRecord();

    SheetTable table;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (IsBlankRow(records[i]))
            continue;
        if (table.header.empty() && table.rows.empty()) {
            for (const SheetCell& cell : records[i])
                table.header.push_back(cell.text);
            continue;
        }
        table.rows.push_back({ static_cast<int>(i) + 1, std::move(records[i]) });
    }
    return table;
}
