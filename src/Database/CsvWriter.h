#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The field separator and decimal mark a spreadsheet program expects in the reader's locale: a
// decimal comma goes with semicolons, as a comma between fields would split the number.
struct CsvFormat
{
    char separator = ',';
    char decimalMark = '.';

    bool operator==(const CsvFormat&) const = default;
};

// Builds separated text as RFC 4180 has it, in UTF-8 with a byte-order mark and CRLF line ends,
// dates as YYYY-MM-DD and numbers with the format's decimal mark whatever the program's locale,
// so spreadsheet programs open it as it is.
class CCsvWriter
{
public:
    explicit CCsvWriter(CsvFormat format = {});

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
    // The field as it stands, quoted when it holds the separator, a quote or a line break.
    void AddField(const std::string& utf8);

    CsvFormat m_format;
    std::string m_bytes;
    bool m_rowStarted = false;
};
