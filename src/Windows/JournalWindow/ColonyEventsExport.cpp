#include "ColonyEventsExport.h"

#include "ColonyEventQueensTable.h"
#include "ColonyEventWords.h"
#include "ColonyEventsTable.h"
#include "IDatabase.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <optional>

namespace {
// The column names of a file, kept as one text with a semicolon between them.
std::vector<std::u16string> Header(std::int32_t columns)
{
    std::vector<std::u16string> header;
    const std::u16string names = Tr(columns);
    std::u16string_view rest = names;
    while (true) {
        const std::size_t end = rest.find(u';');
        header.emplace_back(rest.substr(0, end));
        if (end == std::u16string_view::npos)
            return header;
        rest.remove_prefix(end + 1);
    }
}

std::u16string YesNo(bool yes)
{
    return Tr(yes ? StringId::AnswerYes : StringId::AnswerNo);
}

// The untyped before and after values: nothing when the event did not record them.
std::optional<std::int32_t> Stored(const RowData& row, std::u16string_view column)
{
    for (const auto& [name, value] : row) {
        if (name == column && !value.empty())
            return WToI(value);
    }
    return std::nullopt;
}

using Cell = CXlsxBook::Cell;

SheetData EventsSheet(IDatabase* database)
{
    SheetData sheet { Tr(StringId::EventsSheetName), Header(StringId::EventsFileColumns), {} };
    CColonyEventsTable().SelectEach(database, [&sheet](const CColonyEventsTable::content& event) {
        const auto kind = static_cast<ColonyEventKind>(event.kind);
        const bool split = kind == ColonyEventKind::Split;
        const bool moved = kind == ColonyEventKind::Move;
        const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(event.id_family);
        CXlsxBook::Row& row = sheet.rows.emplace_back();
        row.push_back(Cell::Number(event.id_event));
        row.push_back(Cell::Date(event.date));
        row.push_back(Cell::Text(ColonyNameOf(event.id_family)));
        row.push_back(Cell::Text(family ? SiteNameOf(family->id_point) : u""));
        row.push_back(Cell::Text(EventKindWord(kind)));
        row.push_back(Cell::Text(ColonyNameOf(event.id_other_family)));
        row.push_back(Cell::Text(moved ? SiteNameOf(event.id_point_from) : u""));
        row.push_back(Cell::Text(SiteNameOf(event.id_point_to)));
        for (const std::int32_t frames : { event.brood_frames, event.honey_frames, event.bee_frames })
            row.push_back(split ? Cell::Number(frames) : Cell::Text(u""));
        row.push_back(Cell::Text(split ? DaughterQueenWord(static_cast<DaughterQueen>(event.daughter_queen)) : u""));
        row.push_back(Cell::Text(kind == ColonyEventKind::Swarm ? YesNo(event.caught) : u""));
        row.push_back(Cell::Text(LossCauseWord(static_cast<LossCause>(event.cause))));
        row.push_back(Cell::Text(event.note));
    });
    return sheet;
}

SheetData EventQueensSheet(IDatabase* database)
{
    SheetData sheet { Tr(StringId::EventQueensSheetName), Header(StringId::EventQueensFileColumns), {} };
    RowList rows;
    database->ExecRequest(rows, u"SELECT * FROM colony_event_queens ORDER BY id_event, id_queen_bee;");
    for (const RowData& stored : rows) {
        CXlsxBook::Row& row = sheet.rows.emplace_back();
        row.push_back(Cell::Number(Stored(stored, u"id_event").value_or(0)));
        row.push_back(Cell::Text(QueenNameOf(Stored(stored, u"id_queen_bee").value_or(0))));
        row.push_back(Cell::Text(QueenFateWord(static_cast<QueenFate>(Stored(stored, u"fate").value_or(0)))));
        row.push_back(Cell::Text(YesNo(Stored(stored, u"created").value_or(0) != 0)));
        for (const char16_t* column : { u"id_family_before", u"id_family_after" })
            row.push_back(Cell::Text(ColonyNameOf(Stored(stored, column).value_or(0))));
        for (const char16_t* column : { u"is_dead_before", u"is_dead_after" }) {
            const std::optional<std::int32_t> dead = Stored(stored, column);
            row.push_back(Cell::Text(dead ? YesNo(*dead != 0) : u""));
        }
    }
    return sheet;
}
}

std::optional<std::vector<SheetData>> ColonyEventSheets(IDatabase* database)
{
    if (!database->HasTable(u"colony_events") || !database->HasTable(u"colony_event_queens"))
        return std::vector<SheetData> {};
    std::vector<SheetData> sheets { EventsSheet(database), EventQueensSheet(database) };
    if (database->HasError())
        return std::nullopt;
    return sheets;
}

bool ExportColonyEvents(IDatabase* database, const std::filesystem::path& folder, CsvFormat format)
{
    const auto sheets = ColonyEventSheets(database);
    if (!sheets)
        return false;
    if (sheets->empty())
        return true;
    const bool events = SaveSheetCsv((*sheets)[0], folder / "colony_events.csv", format);
    return SaveSheetCsv((*sheets)[1], folder / "colony_event_queens.csv", format) && events;
}
