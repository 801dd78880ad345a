#include "BookParts.h"

#include "ScriptRecords.h"
#include "Text.h"

namespace {
constexpr char kScript[] = R"(
import sys, datetime, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
out = []
for sheet in book.worksheets:
    out.append(['S', sheet.title, sheet.freeze_panes or ''])
    for letter, dimension in sheet.column_dimensions.items():
        if dimension.customWidth:
            out.append(['W', letter, repr(dimension.width)])
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            value = cell.value.date().isoformat() if isinstance(cell.value, datetime.datetime) else str(cell.value)
            out.append(['C', cell.coordinate, type(cell.value).__name__, value, '1' if cell.font.b else ''])
open(sys.argv[2], 'w', encoding='utf-8').write(''.join(''.join(f + chr(31) for f in r) + chr(30) for r in out))
)";
}

BookParts::BookParts(const std::filesystem::path& file)
{
    for (const auto& record : ScriptRecords(kScript, file)) {
        if (record[0] == "S")
            m_sheets.push_back({ FromUtf8(record[1]), record[2], {}, {} });
        else if (record[0] == "W")
            m_sheets.back().widths[record[1]] = std::stod(record[2]);
        else
            m_sheets.back().cells[record[1]] = { record[2], FromUtf8(record[3]), record[4] == "1" };
    }
}

std::vector<std::u16string> BookParts::SheetNames() const
{
    std::vector<std::u16string> names;
    for (const Sheet& sheet : m_sheets)
        names.push_back(sheet.name);
    return names;
}
