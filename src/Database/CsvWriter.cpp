#include "CsvWriter.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "Text.h"

#include <algorithm>
#include <charconv>

CCsvWriter::CCsvWriter(CsvFormat format)
    : m_format(format)
    , m_bytes("\xEF\xBB\xBF")
{
}

void CCsvWriter::StartField()
{
    if (m_rowStarted)
        m_bytes += m_format.separator;
    m_rowStarted = true;
}

void CCsvWriter::AddText(std::u16string_view text)
{
    StartField();
    AddField(ToUtf8(text));
}

void CCsvWriter::AddField(const std::string& utf8)
{
    if (utf8.find_first_of(std::string("\"\r\n") + m_format.separator) == std::string::npos) {
        m_bytes += utf8;
        return;
    }
    m_bytes += '"';
    for (const char c : utf8) {
        if (c == '"')
            m_bytes += '"';
        m_bytes += c;
    }
    m_bytes += '"';
}

void CCsvWriter::AddInteger(std::int64_t value)
{
    StartField();
    m_bytes += std::to_string(value);
}

void CCsvWriter::AddNumber(double value)
{
    StartField();
    // to_chars ignores the locale, which could make the separator a comma.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string number(buffer, result.ptr);
    std::replace(number.begin(), number.end(), '.', m_format.decimalMark);
    AddField(number);
}

void CCsvWriter::AddDate(std::int64_t date)
{
    StartField();
    m_bytes += FormatIsoDate(date);
}

void CCsvWriter::EndRow()
{
    m_bytes += "\r\n";
    m_rowStarted = false;
}

bool CCsvWriter::Save(const std::filesystem::path& file) const
{
    return WriteFileAtomically(file, m_bytes);
}
