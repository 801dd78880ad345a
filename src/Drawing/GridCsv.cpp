#include "GridCsv.h"

#include "Calendar.h"
#include "TableDrawer.h"
#include "Text.h"

namespace {
// One date as YYYY-MM-DD, from its shown form; anything else as it stands.
std::u16string IsoDate(const std::u16string& shown)
{
    const std::int64_t date = shown.size() == 10 ? ParseDateText(shown) : 0;
    const std::string iso = date == 0 ? std::string() : FormatIsoDate(date);
    return iso.empty() ? shown : ToWide(iso);
}

// A decimal number with either mark, as typed; anything else as it stands.
std::u16string WithDecimalMark(std::u16string shown, char16_t mark)
{
    const std::size_t first = !shown.empty() && shown[0] == u'-' ? 1 : 0;
    std::size_t point = std::u16string::npos;
    for (std::size_t i = first; i < shown.size(); ++i) {
        const bool inside = i > first && i + 1 < shown.size();
        if ((shown[i] == u'.' || shown[i] == u',') && inside && point == std::u16string::npos)
            point = i;
        else if (shown[i] < u'0' || shown[i] > u'9')
            return shown;
    }
    if (point != std::u16string::npos)
        shown[point] = mark;
    return shown;
}

// A date cell may list several dates (the living queens' birth dates) between blanks.
std::u16string IsoDates(const std::u16string& shown)
{
    std::u16string result;
    std::size_t start = 0;
    while (start < shown.size()) {
        const std::size_t blank = shown.find(u' ', start);
        const std::size_t end = blank == std::u16string::npos ? shown.size() : blank;
        if (end > start)
            result += (result.empty() ? u"" : u" ") + IsoDate(shown.substr(start, end - start));
        start = end + 1;
    }
    return result;
}
}

std::vector<std::vector<std::u16string>> GridCsvRows(const CTableDrawer& grid, char16_t decimalMark)
{
    std::vector<std::vector<std::u16string>> rows(1);
    for (const auto& header : grid.Headers())
        rows.front().push_back(header->Text());
    for (const auto& row : grid.Rows()) {
        std::vector<std::u16string>& cells = rows.emplace_back();
        for (const auto& header : grid.Headers()) {
            const std::u16string text = grid.GetCellText(row.get(), header->ColumnId());
            if (header->ColumnType() == ColumnDate)
                cells.push_back(IsoDates(text));
            else if (header->ColumnType() == ColumnReal)
                cells.push_back(WithDecimalMark(text, decimalMark));
            else
                cells.push_back(text);
        }
    }
    return rows;
}
