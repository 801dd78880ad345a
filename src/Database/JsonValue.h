#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A JSON value (RFC 8259) as read from a file: integers kept exact beside other numbers, texts
// in UTF-16, object members by name.
class CJsonValue
{
public:
    using Array = std::vector<CJsonValue>;
    using Object = std::map<std::u16string, CJsonValue>;

    CJsonValue() = default;

    // Null when the text is not one whole JSON value.
    static std::optional<CJsonValue> Parse(std::string_view text);

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_value); }
    const std::int64_t* Integer() const { return std::get_if<std::int64_t>(&m_value); }
    const double* Real() const { return std::get_if<double>(&m_value); }
    const bool* Boolean() const { return std::get_if<bool>(&m_value); }
    const std::u16string* Text() const { return std::get_if<std::u16string>(&m_value); }
    const Array* Items() const { return std::get_if<Array>(&m_value); }
    const Object* Members() const { return std::get_if<Object>(&m_value); }
    // The member of an object; null for another value or a missing member.
    const CJsonValue* Member(const std::u16string& name) const;

private:
    friend class CJsonReader;

    std::variant<std::monostate, std::int64_t, double, bool, std::u16string, Array, Object> m_value;
};

// The text as a JSON string literal, quotes included.
std::string JsonString(std::u16string_view text);
