#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Builds a statement text by putting value texts in place of its "?" marks; "\?" stays a literal "?".
// Texts are written in apostrophes, apostrophes doubled, and what SQLite cannot hold in a text
// (NUL, a lone surrogate, U+FFFE, U+FFFF) as U+FFFD, so that a value never ends its literal and
// reads back as written.
class CRequest
{
public:
    explicit CRequest(const std::u16string& text = std::u16string());

    void SetText(const std::u16string& text);
    void ClearValues();

    void BindInt(std::int32_t ordinal, std::int32_t value);
    void BindText(std::int32_t ordinal, const std::u16string& value);
    void BindDate(std::int32_t ordinal, std::int64_t date);
    // The shortest text that reads back as the same double, with a point whatever the locale.
    void BindReal(std::int32_t ordinal, double value);
    void BindNull(std::int32_t ordinal);

    // With a value for every mark's ordinal (0, 1, ...) and no others, the text with the values in
    // place; otherwise the template as it is.
    std::u16string Build() const;

private:
    std::u16string m_template;
    std::u16string m_working;
    std::vector<std::size_t> m_positions;
    std::map<std::int32_t, std::u16string> m_values;
};
