#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A spreadsheet file (.xlsx): sheets with a bold header row that stays in view and columns as wide
// as their texts. Numbers go in as numbers and dates as dates, so a spreadsheet program reads them
// as such whatever its locale.
class CXlsxBook
{
public:
    struct Cell
    {
        enum class Kind
        {
            Text,
            Number,
            // A local calendar day, shown in the reader's own short date form.
            Date,
        };

        static Cell Text(std::u16string text) { return { Kind::Text, std::move(text), 0, 0 }; }
        static Cell Number(double value) { return { Kind::Number, {}, value, 0 }; }
        // Seconds since 1970.
        static Cell Date(std::int64_t date) { return { Kind::Date, {}, 0, date }; }

        Kind kind;
        std::u16string text;
        double number;
        std::int64_t date;
    };
    using Row = std::vector<Cell>;

    // The name is cut to what a sheet tab takes, without the characters a sheet name may not hold.
    void AddSheet(const std::u16string& name, std::vector<std::u16string> header, std::vector<Row> rows);

    // Writes the book whole or not at all; false when it could not be written.
    bool Save(const std::filesystem::path& file) const;

private:
    bool Write(const std::filesystem::path& file) const;

    struct Sheet
    {
        std::u16string name;
        std::vector<std::u16string> header;
        std::vector<Row> rows;
    };

    std::vector<Sheet> m_sheets;
};
