#include "JsonValue.h"

#include "Text.h"

#include <charconv>
#include <cstdio>

// Reads one value at a time, recursively, over the whole text.
class CJsonReader
{
public:
    explicit CJsonReader(std::string_view text)
        : m_text(text)
    {
    }

    std::optional<CJsonValue> Document()
    {
        CJsonValue value;
        if (!Value(value, 0))
            return std::nullopt;
        SkipBlanks();
        if (m_at != m_text.size())
            return std::nullopt;
        return value;
    }

private:
    // Deeper than any journal's document; a hostile file cannot exhaust the stack.
    static constexpr int kDeepest = 64;

    void SkipBlanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    bool Value(CJsonValue& value, int depth)
    {
        SkipBlanks();
        if (m_at >= m_text.size() || depth > kDeepest)
            return false;
        switch (m_text[m_at]) {
        case '{': return ObjectValue(value, depth);
        case '[': return ArrayValue(value, depth);
        case '"': {
            std::u16string text;
            if (!String(text))
                return false;
            value.m_value = std::move(text);
            return true;
        }
        case 't': value.m_value = true; return Word("true");
        case 'f': value.m_value = false; return Word("false");
        case 'n': value.m_value = std::monostate {}; return Word("null");
        default: return Number(value);
        }
    }

    bool ObjectValue(CJsonValue& value, int depth)
    {
        ++m_at;
        CJsonValue::Object members;
        if (!Take('}')) {
            do {
                SkipBlanks();
                std::u16string name;
                if (!String(name) || !Take(':') || !Value(members[name], depth + 1))
                    return false;
            } while (Take(','));
            if (!Take('}'))
                return false;
        }
        value.m_value = std::move(members);
        return true;
    }

    bool ArrayValue(CJsonValue& value, int depth)
    {
        ++m_at;
        CJsonValue::Array items;
        if (!Take(']')) {
            do {
                if (!Value(items.emplace_back(), depth + 1))
                    return false;
            } while (Take(','));
            if (!Take(']'))
                return false;
        }
        value.m_value = std::move(items);
        return true;
    }

    bool Number(CJsonValue& value)
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && std::string_view("+-0123456789.eE").find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
        const char* first = m_text.data() + start;
        const char* last = m_text.data() + m_at;
        if (first == last)
            return false;
        std::int64_t integer = 0;
        if (auto [end, error] = std::from_chars(first, last, integer); error == std::errc() && end == last) {
            value.m_value = integer;
            return true;
        }
        double real = 0;
        const auto [end, error] = std::from_chars(first, last, real);
        value.m_value = real;
        return error == std::errc() && end == last;
    }

    bool Hex(char32_t& unit)
    {
        if (m_at + 4 > m_text.size())
            return false;
        unsigned value = 0;
        const auto [end, error] = std::from_chars(m_text.data() + m_at, m_text.data() + m_at + 4, value, 16);
        if (error != std::errc() || end != m_text.data() + m_at + 4)
            return false;
        m_at += 4;
        unit = value;
        return true;
    }

    // A string with its escapes; its UTF-8 bytes become UTF-16.
    bool String(std::u16string& text)
    {
        if (m_at >= m_text.size() || m_text[m_at] != '"')
            return false;
        ++m_at;
        std::string utf8;
        std::u16string escaped;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            const char c = m_text[m_at++];
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                utf8 += c;
                continue;
            }
            if (m_at >= m_text.size())
                return false;
            const char kind = m_text[m_at++];
            const std::string_view plain("\"\\/bfnrt");
            const std::string_view meant("\"\\/\b\f\n\r\t");
            if (const std::size_t at = plain.find(kind); at != std::string_view::npos) {
                utf8 += meant[at];
            } else if (char32_t unit = 0; kind == 'u' && Hex(unit)) {
                // Escaped units go through UTF-16 as they stand, so surrogate pairs join.
                text += FromUtf8(utf8);
                utf8.clear();
                text += static_cast<char16_t>(unit);
            } else {
                return false;
            }
        }
        if (m_at >= m_text.size())
            return false;
        ++m_at;
        text += FromUtf8(utf8);
        return true;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

std::optional<CJsonValue> CJsonValue::Parse(std::string_view text)
{
    return CJsonReader(text).Document();
}

const CJsonValue* CJsonValue::Member(const std::u16string& name) const
{
    const Object* members = Members();
    if (!members)
        return nullptr;
    const auto found = members->find(name);
    return found == members->end() ? nullptr : &found->second;
}

std::string JsonString(std::u16string_view text)
{
    std::string json = "\"";
    for (const char c : ToUtf8(text)) {
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                json += escape;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}
