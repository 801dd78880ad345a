#include "Text.h"

#include <algorithm>
#include <charconv>
#include <locale.h>
#include <stdlib.h>

bool IsPairAt(std::u16string_view text, std::size_t index)
{
    return index + 1 < text.size() && text[index] >= 0xD800 && text[index] <= 0xDBFF && text[index + 1] >= 0xDC00
        && text[index + 1] <= 0xDFFF;
}

std::string ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = text[i];
        if (IsPairAt(text, i)) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::u16string FromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = 0xFFFD;
        std::size_t length = 1;
        if (byte < 0x80) {
            cp = byte;
        } else if ((byte & 0xE0) == 0xC0) {
            length = 2;
            cp = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
            cp = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
            cp = byte & 0x07;
        }
        if (length > 1) {
            bool valid = i + length <= text.size();
            for (std::size_t k = 1; valid && k < length; ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                valid = (next & 0xC0) == 0x80;
                cp = (cp << 6) | (next & 0x3F);
            }
            if (!valid) {
                cp = 0xFFFD;
                length = 1;
            }
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return out;
}

std::u16string ToWide(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::int32_t WToI(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > 0x80000000LL)
            value = 0x80000000LL;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        value = INT32_MAX;
    return static_cast<std::int32_t>(value);
}

std::string ShortestReal(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

double WToF(std::u16string_view text)
{
    // A number is ASCII: its reading stops at the first other character.
    std::string ascii;
    for (const char16_t c : text) {
        if (c == 0 || c >= 0x80)
            break;
        ascii += static_cast<char>(c);
    }
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(ascii.c_str(), nullptr, classic);
}

std::u16string IntToText(std::int64_t value)
{
    return ToWide(std::to_string(value));
}

std::u16string ReplaceAll(std::u16string text, std::u16string_view from, std::u16string_view to)
{
    if (from.empty())
        return text;
    std::size_t position = 0;
    while ((position = text.find(from, position)) != std::u16string::npos) {
        text.replace(position, from.size(), to);
        position += to.size();
    }
    return text;
}

char16_t FoldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if (c >= 0x0410 && c <= 0x042F) // Cyrillic А..Я
        return static_cast<char16_t>(c + 32);
    if (c >= 0x0400 && c <= 0x040F) // Cyrillic Ѐ..Џ (Ё among them)
        return static_cast<char16_t>(c + 80);
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)
        return static_cast<char16_t>(c + 32);
    return c;
}

bool IsBlank(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(),
        [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0'; });
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

bool ContainsNoCase(std::u16string_view text, std::u16string_view part)
{
    const auto equal = [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), equal) != text.end();
}

std::filesystem::path ToPath(std::u16string_view text)
{
    const std::string utf8 = ToUtf8(text);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::u16string FromPath(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return FromUtf8(std::string(utf8.begin(), utf8.end()));
}
