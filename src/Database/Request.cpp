#include "Request.h"

#include "Calendar.h"
#include "Text.h"

#include <cmath>

namespace {

// SQLite ends a statement at a NUL and reads a lone surrogate together with the unit after it,
// which may be the apostrophe that closes the literal; U+FFFE and U+FFFF it reads back as U+FFFD.
std::u16string StorableText(const std::u16string& text)
{
    std::u16string storable = text;
    for (std::size_t i = 0; i < storable.size(); ++i) {
        const char16_t c = storable[i];
        if (IsPairAt(storable, i))
            ++i;
        else if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c >= 0xFFFE)
            storable[i] = u'\uFFFD';
    }
    return storable;
}

}

CRequest::CRequest(const std::u16string& text)
{
    SetText(text);
}

void CRequest::SetText(const std::u16string& text)
{
    m_template = text;
    m_working = text;
    m_positions.clear();
    bool afterBackslash = false;
    for (std::size_t i = 0; i < m_working.size(); ++i) {
        if (m_working[i] == u'?') {
            if (afterBackslash) {
                m_working.erase(i - 1, 1);
                --i;
            } else {
                m_positions.push_back(i);
            }
            afterBackslash = false;
        } else {
            afterBackslash = m_working[i] == u'\\';
        }
    }
}

void CRequest::ClearValues()
{
    m_values.clear();
}

void CRequest::BindInt(std::int32_t ordinal, std::int32_t value)
{
    m_values[ordinal] = IntToText(value);
}

void CRequest::BindText(std::int32_t ordinal, const std::u16string& value)
{
    m_values[ordinal] = u"'" + ReplaceAll(StorableText(value), u"'", u"''") + u"'";
}

void CRequest::BindDate(std::int32_t ordinal, std::int64_t date)
{
    m_values[ordinal] = u"'" + FormatStoredDate(date) + u"'";
}

void CRequest::BindReal(std::int32_t ordinal, double value)
{
    if (!std::isfinite(value)) {
        BindNull(ordinal);
        return;
    }
    m_values[ordinal] = ToWide(ShortestReal(value));
}

void CRequest::BindNull(std::int32_t ordinal)
{
    m_values[ordinal] = u"NULL";
}

std::u16string CRequest::Build() const
{
    if (m_values.size() != m_positions.size())
        return m_template;
    std::u16string text = m_working;
    std::size_t shift = 0;
    for (std::size_t k = 0; k < m_positions.size(); ++k) {
        // As many values as marks, but one at an ordinal without a mark: still not a whole statement.
        const auto found = m_values.find(static_cast<std::int32_t>(k));
        if (found == m_values.end())
            return m_template;
        text.replace(m_positions[k] + shift, 1, found->second);
        shift += found->second.size() - 1;
    }
    return text;
}
