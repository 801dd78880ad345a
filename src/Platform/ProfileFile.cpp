#include "ProfileFile.h"

#include "Text.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
}

std::u16string DecodeFile(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return FromUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    return FromUtf8(bytes);
}

bool ReadFile(std::u16string_view fileName, std::string& bytes)
{
    const std::filesystem::path path = ToPath(fileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

std::u16string_view TrimBlanks(std::u16string_view text)
{
    const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string_view DropQuotes(std::u16string_view value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::u16string CutToBuffer(std::u16string_view text, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    if (text.size() < bufferSize)
        return std::u16string(text);
    text = text.substr(0, bufferSize - 1);
    // A cut between the halves of a surrogate pair would leave half a character.
    if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF)
        text.remove_suffix(1);
    return std::u16string(text);
}

// The value of the key in the first section of that name, or false.
bool FindValue(std::u16string_view content, std::u16string_view section, std::u16string_view key,
               std::u16string_view& value)
{
    bool inSection = false;
    std::size_t position = 0;
    while (position < content.size()) {
        std::size_t end = content.find_first_of(u"\r\n", position);
        if (end == std::u16string_view::npos)
            end = content.size();
        const std::u16string_view line = TrimBlanks(content.substr(position, end - position));
        position = end + 1;

        if (line.starts_with(u'[')) {
            if (inSection)
                return false;
            const std::size_t close = line.find(u']');
            const std::u16string_view name = line.substr(1, close == std::u16string_view::npos ? close : close - 1);
            inSection = EqualsNoCase(TrimBlanks(name), section);
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos)
            continue;
        if (EqualsNoCase(TrimBlanks(line.substr(0, equals)), key)) {
            value = DropQuotes(TrimBlanks(line.substr(equals + 1)));
            return true;
        }
    }
    return false;
}

}

std::u16string ReadProfileString(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view defaultText, std::size_t bufferSize,
                                 std::u16string_view fileName)
{
    std::string bytes;
    if (!ReadFile(fileName, bytes))
        return CutToBuffer(defaultText, bufferSize);
    const std::u16string content = DecodeFile(bytes);
    std::u16string_view value;
    if (!FindValue(content, section, key, value))
        return CutToBuffer(defaultText, bufferSize);
    return CutToBuffer(value, bufferSize);
}
