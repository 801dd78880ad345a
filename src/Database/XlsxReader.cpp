#include "XlsxReader.h"

#include "Calendar.h"
#include "Text.h"

#include <tinyxml2.h>
#include <zip.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <set>

namespace {
// The columns a sheet can have (A to XFD); a reference beyond names no cell.
constexpr int kSheetColumns = 16384;

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

struct ZipCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

// The part's bytes; none when the archive has no such part.
std::optional<std::string> ReadPart(zip_t* archive, const char* name)
{
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    zip_file_t* part = zip_fopen(archive, name, 0);
    if (!part)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_fread(part, bytes.data(), stat.size);
    zip_fclose(part);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        return std::nullopt;
    return bytes;
}

bool Parse(zip_t* archive, const char* name, XMLDocument& document)
{
    const auto bytes = ReadPart(archive, name);
    return bytes && document.Parse(bytes->data(), bytes->size()) == tinyxml2::XML_SUCCESS;
}

// The element's name without its namespace prefix: writers differ in whether they use one.
bool Named(const XMLElement* element, const char* name)
{
    const char* full = element->Name();
    const char* colon = std::strchr(full, ':');
    return std::strcmp(colon ? colon + 1 : full, name) == 0;
}

const XMLElement* Child(const XMLElement* parent, const char* name)
{
    for (const XMLElement* child = parent ? parent->FirstChildElement() : nullptr; child; child = child->NextSiblingElement()) {
        if (Named(child, name))
            return child;
    }
    return nullptr;
}

template <class Visit>
void EachChild(const XMLElement* parent, const char* name, Visit visit)
{
    for (const XMLElement* child = parent ? parent->FirstChildElement() : nullptr; child; child = child->NextSiblingElement()) {
        if (Named(child, name))
            visit(child);
    }
}

// The text of a string item: its own <t>, or its runs' <t> in order; the phonetic hints left out.
std::u16string ItemText(const XMLElement* item)
{
    std::string text;
    if (const XMLElement* t = Child(item, "t"))
        text += t->GetText() ? t->GetText() : "";
    EachChild(item, "r", [&](const XMLElement* run) {
        if (const XMLElement* t = Child(run, "t"))
            text += t->GetText() ? t->GetText() : "";
    });
    return FromUtf8(text);
}

std::vector<std::u16string> SharedStrings(zip_t* archive)
{
    std::vector<std::u16string> strings;
    XMLDocument document;
    if (Parse(archive, "xl/sharedStrings.xml", document))
        EachChild(document.RootElement(), "si", [&](const XMLElement* item) { strings.push_back(ItemText(item)); });
    return strings;
}

// A format code shows a date when it has a day, month or year outside quoted text and brackets.
bool IsDateFormatCode(std::string_view code)
{
    bool quoted = false;
    bool bracket = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '\\') {
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '[') {
            bracket = true;
        } else if (!quoted && c == ']') {
            bracket = false;
        } else if (!quoted && !bracket && std::strchr("dDmMyY", c)) {
            return true;
        }
    }
    return false;
}

bool IsBuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 17) || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

// For each cell style by index, whether it shows its number as a date.
std::vector<bool> DateStyles(zip_t* archive)
{
    std::vector<bool> styles;
    XMLDocument document;
    if (!Parse(archive, "xl/styles.xml", document))
        return styles;
    std::set<int> dateFormats;
    EachChild(Child(document.RootElement(), "numFmts"), "numFmt", [&](const XMLElement* format) {
        const char* code = format->Attribute("formatCode");
        if (code && IsDateFormatCode(code))
            dateFormats.insert(format->IntAttribute("numFmtId"));
    });
    EachChild(Child(document.RootElement(), "cellXfs"), "xf", [&](const XMLElement* style) {
        const int id = style->IntAttribute("numFmtId");
        styles.push_back(IsBuiltInDateFormat(id) || dateFormats.count(id) > 0);
    });
    return styles;
}

// The parts of the workbook's sheets in the workbook's order, through its relationships.
std::vector<std::string> SheetParts(zip_t* archive)
{
    const std::vector<std::string> fallback { "xl/worksheets/sheet1.xml" };
    XMLDocument workbook;
    XMLDocument relationships;
    if (!Parse(archive, "xl/workbook.xml", workbook) || !Parse(archive, "xl/_rels/workbook.xml.rels", relationships))
        return fallback;
    std::vector<std::string> parts;
    EachChild(Child(workbook.RootElement(), "sheets"), "sheet", [&](const XMLElement* sheet) {
        const char* id = sheet->Attribute("r:id");
        EachChild(relationships.RootElement(), "Relationship", [&](const XMLElement* relationship) {
            const char* rid = relationship->Attribute("Id");
            const char* target = relationship->Attribute("Target");
            if (id && rid && target && *target && std::strcmp(id, rid) == 0)
                // Targets are relative to xl/ unless they start at the package's root.
                parts.push_back(target[0] == '/' ? std::string(target + 1) : "xl/" + std::string(target));
        });
    });
    return parts.empty() ? fallback : parts;
}

// The column index of a reference such as "BC12"; -1 when it names none.
int ColumnOf(const char* reference)
{
    int column = 0;
    int letters = 0;
    for (; reference && *reference >= 'A' && *reference <= 'Z' && letters < 4; ++reference, ++letters)
        column = column * 26 + (*reference - 'A' + 1);
    return letters > 0 && column <= kSheetColumns ? column - 1 : -1;
}

std::u16string NumberText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ToWide(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

SheetCell ReadCell(const XMLElement* cell, const std::vector<std::u16string>& strings, const std::vector<bool>& dateStyles)
{
    const char* type = cell->Attribute("t");
    const XMLElement* value = Child(cell, "v");
    const char* raw = value && value->GetText() ? value->GetText() : "";
    const std::string_view kind = type ? type : "n";
    if (kind == "inlineStr")
        return { ItemText(Child(cell, "is")), 0 };
    if (kind == "s") {
        const auto index = static_cast<std::size_t>(std::strtoul(raw, nullptr, 10));
        return { index < strings.size() ? strings[index] : std::u16string(), 0 };
    }
    if (kind != "n")
        return { FromUtf8(raw), 0 };
    double number = 0;
    const auto [end, error] = std::from_chars(raw, raw + std::strlen(raw), number);
    if (error != std::errc() || *end != '\0')
        return { FromUtf8(raw), 0 };
    const auto style = static_cast<std::size_t>(cell->IntAttribute("s"));
    if (style < dateStyles.size() && dateStyles[style]) {
        const std::int64_t date = SerialDate(number);
        return { date != 0 ? FormatDateText(date) : NumberText(number), date };
    }
    return { NumberText(number), 0 };
}
}

std::int64_t SerialDate(double serial)
{
    if (!(serial >= 1 && serial < 2958466))
        return 0;
    // Days from 1 March of year 0 to the serial's day, then the civil date by eras of 400 years.
    const auto days = static_cast<std::int64_t>(std::floor(serial)) - 25569 + 719468;
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const auto month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return LocalMidnight(year, month, day);
}

namespace {
std::optional<SheetTable> ReadSheet(zip_t* archive, const std::string& part, const std::vector<std::u16string>& strings,
    const std::vector<bool>& dateStyles)
{
    XMLDocument sheet;
    if (!Parse(archive, part.c_str(), sheet))
        return std::nullopt;
    SheetTable table;
    bool headerRead = false;
    int rowNumber = 0;
    EachChild(Child(sheet.RootElement(), "sheetData"), "row", [&](const XMLElement* row) {
        rowNumber = row->IntAttribute("r", rowNumber + 1);
        std::vector<SheetCell> cells;
        bool filled = false;
        EachChild(row, "c", [&](const XMLElement* cell) {
            const int at = ColumnOf(cell->Attribute("r"));
            const auto column = at >= 0 ? static_cast<std::size_t>(at) : cells.size();
            // A sheet writes only the cells that hold something; the gaps are empty cells.
            if (column >= cells.size())
                cells.resize(column + 1);
            cells[column] = ReadCell(cell, strings, dateStyles);
            filled = filled || !IsBlank(cells[column].text);
        });
        if (!filled)
            return;
        if (!headerRead) {
            for (const SheetCell& cell : cells)
                table.header.push_back(cell.text);
            headerRead = true;
            return;
        }
        table.rows.push_back({ rowNumber, std::move(cells) });
    });
    if (!headerRead)
        return std::nullopt;
    return table;
}
}

std::optional<std::vector<SheetTable>> ReadXlsxSheets(const std::filesystem::path& file)
{
    int error = 0;
    const Zip archive(zip_open(file.c_str(), ZIP_RDONLY, &error));
    if (!archive)
        return std::nullopt;
    const std::vector<std::u16string> strings = SharedStrings(archive.get());
    const std::vector<bool> dateStyles = DateStyles(archive.get());
    std::vector<SheetTable> tables;
    for (const std::string& part : SheetParts(archive.get())) {
        if (std::optional<SheetTable> table = ReadSheet(archive.get(), part, strings, dateStyles))
            tables.push_back(std::move(*table));
    }
    if (tables.empty())
        return std::nullopt;
    return tables;
}
