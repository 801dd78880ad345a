#include "ImportValues.h"

#include "Calendar.h"
#include "Text.h"

#include <charconv>
#include <vector>

namespace {
bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0 || c == 0x202F;
}

// The date's numbers split at '.', '/' or '-'; empty when anything else is in the date.
std::vector<int> DateParts(std::u16string_view text)
{
    std::vector<int> parts;
    int value = -1;
    std::size_t digits = 0;
    for (const char16_t c : text) {
        if (c >= u'0' && c <= u'9' && digits < 4) {
            value = (value < 0 ? 0 : value * 10) + (c - u'0');
            ++digits;
        } else if ((c == u'.' || c == u'/' || c == u'-') && value >= 0) {
            parts.push_back(value);
            value = -1;
            digits = 0;
        } else {
            return {};
        }
    }
    if (value < 0)
        return {};
    parts.push_back(value);
    return parts;
}

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int64_t DayOf(int year, int month, int day)
{
    constexpr int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1)
        return 0;
    if (day > kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0))
        return 0;
    return LocalMidnight(year, month, day);
}
}

std::u16string_view TrimmedText(std::u16string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<double> ReadImportNumber(std::u16string_view text)
{
    std::string ascii;
    for (const char16_t c : TrimmedText(text)) {
        if (IsSpace(c))
            continue;
        if (c > 0x7F)
            return std::nullopt;
        ascii += c == u',' ? '.' : static_cast<char>(c);
    }
    double value = 0;
    const char* begin = ascii.data() + (!ascii.empty() && ascii[0] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

std::int64_t ReadImportDate(const SheetCell& cell)
{
    if (cell.date != 0)
        return cell.date;
    const std::u16string_view text = TrimmedText(cell.text);
    const std::u16string_view day = text.substr(0, text.find(u' '));
    const std::vector<int> parts = DateParts(day);
    if (parts.size() != 3)
        return 0;
    // yyyy-mm-dd has its year first; the others end with it, two digits meaning this century.
    if (day.find_first_of(u"./-") == 4)
        return DayOf(parts[0], parts[1], parts[2]);
    const std::size_t yearLength = day.size() - day.find_last_of(u"./-") - 1;
    if (yearLength != 2 && yearLength != 4)
        return 0;
    const int year = yearLength == 2 ? 2000 + parts[2] : parts[2];
    return DayOf(year, parts[1], parts[0]);
}
