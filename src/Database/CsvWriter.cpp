#include "CsvWriter.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "Text.h"

#include <charconv>

CCsvWriter::CCsvWriter()
    : m_bytes("\xEF\xBB\xBF")
{
}

void CCsvWriter::StartField()
{
    if (m_rowStarted)
        m_bytes += ',';
    m_rowStarted = true;
}

void CCsvWriter::AddText(std::u16string_view text)
{
    StartField();
    const std::string utf8 = ToUtf8(text);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) {
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
    m_bytes.append(buffer, result.ptr);
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
