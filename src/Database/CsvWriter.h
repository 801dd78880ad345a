#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Builds comma-separated text as RFC 4180 has it, in UTF-8 with a byte-order mark and CRLF line
// ends, dates as YYYY-MM-DD and numbers with a point, so spreadsheet programs open it as it is.
class CCsvWriter
{
public:
    CCsvWriter();

    void AddText(std::u16string_view text);
    void AddInteger(std::int64_t value);
    void AddNumber(double value);
    // A date in seconds since 1970, by its local day.
    void AddDate(std::int64_t date);
    void EndRow();

    const std::string& Bytes() const { return m_bytes; }
    bool Save(const std::filesystem::path& file) const;

private:
    void StartField();

    std::string m_bytes;
    bool m_rowStarted = false;
};
