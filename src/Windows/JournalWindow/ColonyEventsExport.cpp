#include "ColonyEventsExport.h"

#include "ColonyEventQueensTable.h"
#include "ColonyEventWords.h"
#include "ColonyEventsTable.h"
#include "CsvWriter.h"
#include "IDatabase.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <optional>

namespace {
void AddHeader(CCsvWriter& csv, std::int32_t columns)
{
    const std::u16string names = Tr(columns);
    std::u16string_view rest = names;
    while (true) {
        const std::size_t end = rest.find(u';');
        csv.AddText(rest.substr(0, end));
        if (end == std::u16string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    csv.EndRow();
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

bool ExportEvents(IDatabase* database, const std::filesystem::path& folder, CsvFormat format)
{
    CCsvWriter csv(format);
    AddHeader(csv, StringId::EventsFileColumns);
    CColonyEventsTable().SelectEach(database, [&csv](const CColonyEventsTable::content& event) {
        const auto kind = static_cast<ColonyEventKind>(event.kind);
        const bool split = kind == ColonyEventKind::Split;
        const bool moved = kind == ColonyEventKind::Move;
        const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(event.id_family);
        csv.AddInteger(event.id_event);
        csv.AddDate(event.date);
        csv.AddText(ColonyNameOf(event.id_family));
        csv.AddText(family ? SiteNameOf(family->id_point) : u"");
        csv.AddText(EventKindWord(kind));
        csv.AddText(ColonyNameOf(event.id_other_family));
        csv.AddText(moved ? SiteNameOf(event.id_point_from) : u"");
        csv.AddText(SiteNameOf(event.id_point_to));
        for (const std::int32_t frames : { event.brood_frames, event.honey_frames, event.bee_frames }) {
            if (split)
                csv.AddInteger(frames);
            else
                csv.AddText(u"");
        }
        csv.AddText(split ? DaughterQueenWord(static_cast<DaughterQueen>(event.daughter_queen)) : u"");
        csv.AddText(kind == ColonyEventKind::Swarm ? YesNo(event.caught) : u"");
        csv.AddText(LossCauseWord(static_cast<LossCause>(event.cause)));
        csv.AddText(event.note);
        csv.EndRow();
    });
    return !database->HasError() && csv.Save(folder / "colony_events.csv");
}

bool ExportEventQueens(IDatabase* database, const std::filesystem::path& folder, CsvFormat format)
{
    RowList rows;
    database->ExecRequest(rows, u"SELECT * FROM colony_event_queens ORDER BY id_event, id_queen_bee;");
    if (database->HasError())
        return false;
    CCsvWriter csv(format);
    AddHeader(csv, StringId::EventQueensFileColumns);
    for (const RowData& row : rows) {
        csv.AddInteger(Stored(row, u"id_event").value_or(0));
        csv.AddText(QueenNameOf(Stored(row, u"id_queen_bee").value_or(0)));
        csv.AddText(QueenFateWord(static_cast<QueenFate>(Stored(row, u"fate").value_or(0))));
        csv.AddText(YesNo(Stored(row, u"created").value_or(0) != 0));
        for (const char16_t* column : { u"id_family_before", u"id_family_after" })
            csv.AddText(ColonyNameOf(Stored(row, column).value_or(0)));
        for (const char16_t* column : { u"is_dead_before", u"is_dead_after" }) {
            const std::optional<std::int32_t> dead = Stored(row, column);
            csv.AddText(dead ? YesNo(*dead != 0) : u"");
        }
        csv.EndRow();
    }
    return csv.Save(folder / "colony_event_queens.csv");
}
}

bool ExportColonyEvents(IDatabase* database, const std::filesystem::path& folder, CsvFormat format)
{
    if (!database->HasTable(u"colony_events") || !database->HasTable(u"colony_event_queens"))
        return true;
    const bool events = ExportEvents(database, folder, format);
    return ExportEventQueens(database, folder, format) && events;
}
