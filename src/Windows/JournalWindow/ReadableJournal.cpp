#include "ReadableJournal.h"

#include "CareSheets.h"
#include "ColonyEventWords.h"
#include "ColonyEventsExport.h"
#include "HousingCache.h"
#include "JournalColumns.h"
#include "QueenBeeCache.h"
#include "SheetBuilder.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "UserFields.h"

#include <functional>

namespace {
using Cell = CXlsxBook::Cell;

Cell Number(std::int32_t value)
{
    return Cell::Number(value);
}

// The site of a colony by name; empty for a colony gone.
std::u16string SiteOfColony(std::int32_t idFamily)
{
    const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(idFamily);
    return family ? SiteNameOf(family->id_point) : std::u16string();
}

std::u16string TypeNameOf(const std::map<std::int32_t, std::u16string>& types, std::int32_t id)
{
    const auto found = types.find(id);
    return found == types.end() ? std::u16string() : found->second;
}

SheetData Sites()
{
    using Point = CPointFamilyCache::Point;
    using Item = std::pair<const std::int32_t, Point>;
    CSheetBuilder<Item> sheet;
    sheet.Add(StringId::SiteNumberColumn, [](const Item& site) { return Number(site.first); });
    sheet.AddPageColumns(SiteColumns(), [](const Item& site) -> const Point& { return site.second; });
    sheet.AddUserColumns(OwnerKind::Site, [](const Item& site) { return site.second.id_record; });
    for (const Item& site : GetPointFamilyCache()->Points())
        sheet.AddRow(site);
    return sheet.Sheet(StringId::PointViewSettingsTitle);
}

SheetData Colonies()
{
    CSheetBuilder<ColonyRow> sheet;
    sheet.Add(StringId::ColonyNumberColumn, [](const ColonyRow& colony) { return Number(colony.id); });
    sheet.AddPageColumns(ColonyColumns());
    sheet.Add(StringId::SiteNumberColumn, [](const ColonyRow& colony) { return Number(colony.family.id_point); });
    sheet.Add(StringId::PointNameField, [](const ColonyRow& colony) { return Cell::Text(SiteNameOf(colony.family.id_point)); });
    sheet.AddUserColumns(OwnerKind::Colony, [](const ColonyRow& colony) { return colony.family.id_record; });
    for (const auto& [id, family] : GetPointFamilyCache()->Families())
        sheet.AddRow(ColonyRow { id, family, nullptr });
    return sheet.Sheet(StringId::FamilyViewSettingsTitle);
}

SheetData Hives()
{
    using Item = std::pair<const std::int32_t, CHousingCache::Housing>;
    const CHousingCache* hives = GetHousingCache();
    CSheetBuilder<Item> sheet;
    sheet.Add(StringId::HiveNumberColumn, [](const Item& hive) { return Number(hive.first); });
    sheet.Add(StringId::HousingNameField, [](const Item& hive) { return Cell::Text(hive.second.name); });
    sheet.Add(StringId::HousingTypeLabel,
        [hives](const Item& hive) { return Cell::Text(TypeNameOf(hives->HousingTypes(), hive.second.type_housing)); });
    sheet.Add(StringId::FrameTypeLabel,
        [hives](const Item& hive) { return Cell::Text(TypeNameOf(hives->FrameTypes(), hive.second.type_frame)); });
    sheet.Add(StringId::ColonyNumberColumn, [](const Item& hive) { return Number(hive.second.id_family); });
    sheet.Add(StringId::FamilyNameField, [](const Item& hive) {
        return Cell::Text(ColonyNameOf(hive.second.id_family));
    });
    // A hive deleted stays in the file for the records that name it; it is no longer the beekeeper's.
    for (const Item& hive : hives->Housings()) {
        if (!hive.second.is_delete)
            sheet.AddRow(hive);
    }
    return sheet.Sheet(StringId::HivesSheetName);
}

SheetData Records()
{
    using Item = std::pair<const std::int32_t, CJournalCache::Record>;
    CSheetBuilder<Item> sheet;
    sheet.Add(StringId::RecordNumberColumn, [](const Item& record) { return Number(record.first); });
    sheet.Add(StringId::ColonyNumberColumn, [](const Item& record) { return Number(record.second.id_family); });
    sheet.Add(StringId::FamilyNameField, [](const Item& record) { return Cell::Text(ColonyNameOf(record.second.id_family)); });
    sheet.Add(StringId::PointNameField, [](const Item& record) { return Cell::Text(SiteOfColony(record.second.id_family)); });
    sheet.AddPageColumns(RecordColumns(), [](const Item& record) -> const CJournalCache::Record& { return record.second; });
    sheet.AddUserColumns(OwnerKind::Record, [](const Item& record) { return record.second.id_record; });
    for (const Item& record : GetJournalCache()->Records())
        sheet.AddRow(record);
    return sheet.Sheet(StringId::RecordViewSettingsTitle);
}

SheetData HiveLines()
{
    struct Line
    {
        std::int32_t id;
        const CJournalCache::Record& record;
        const CJournalCache::HiveRow& hive;
    };
    CSheetBuilder<Line> sheet;
    sheet.Add(StringId::RecordNumberColumn, [](const Line& line) { return Number(line.id); });
    sheet.Add(StringId::RecordDateField, [](const Line& line) { return Cell::Date(line.record.date); });
    sheet.Add(StringId::FamilyNameField, [](const Line& line) { return Cell::Text(ColonyNameOf(line.record.id_family)); });
    sheet.Add(StringId::HiveNumberColumn, [](const Line& line) { return Number(line.hive.id_housing); });
    sheet.AddPageColumns(HiveLineColumns(), [](const Line& line) -> const CJournalCache::HiveRow& { return line.hive; });
    for (const auto& [id, record] : GetJournalCache()->Records()) {
        for (const CJournalCache::HiveRow& hive : record.hives)
            sheet.AddRow(Line { id, record, hive });
    }
    return sheet.Sheet(StringId::HiveLinesSheetName);
}

SheetData Queens()
{
    using Queen = CQueenBeeCache::QueenBee;
    CSheetBuilder<Queen> sheet;
    sheet.Add(StringId::QueenNumberColumn, [](const Queen& queen) { return Number(queen.id_queen_bee); });
    sheet.Add(StringId::QueenNameLabel, [](const Queen& queen) { return Cell::Text(queen.name); });
    sheet.Add(StringId::ColonyNumberColumn, [](const Queen& queen) { return Number(queen.id_family); });
    sheet.Add(StringId::FamilyNameField, [](const Queen& queen) {
        return Cell::Text(ColonyNameOf(queen.id_family));
    });
    sheet.Add(StringId::QueenMotherLabel, [](const Queen& queen) {
        return Cell::Text(QueenNameOf(queen.id_parent_queen_bee));
    });
    sheet.Add(StringId::QueenBirthDateLabel, [](const Queen& queen) { return Cell::Date(queen.date); });
    sheet.Add(StringId::QueenBreedLabel, [](const Queen& queen) { return Cell::Text(Tr(StringId::BreedNone + queen.breed)); });
    sheet.Add(StringId::QueenFertLabel, [](const Queen& queen) { return Cell::Text(queen.fert); });
    sheet.Add(StringId::QueenAliveLabel,
        [](const Queen& queen) { return Cell::Text(Tr(queen.is_dead ? StringId::AnswerNo : StringId::AnswerYes)); });
    sheet.Add(StringId::QueenDescriptionLabel, [](const Queen& queen) { return Cell::Text(queen.description); });
    for (const auto& [id, queen] : GetQueenBeeCache()->QueenBees())
        sheet.AddRow(queen);
    return sheet.Sheet(StringId::QueensSheetName);
}
}

std::optional<std::vector<SheetData>> ReadableJournalSheets(IDatabase* database)
{
    std::optional<std::vector<SheetData>> events = ColonyEventSheets(database);
    if (!events)
        return std::nullopt;
    std::vector<SheetData> sheets { Sites(), Colonies(), Hives(), Records(), HiveLines(), Queens() };
    for (SheetData& sheet : *events)
        sheets.push_back(std::move(sheet));
    for (SheetData& sheet : CareSheets())
        sheets.push_back(std::move(sheet));
    return sheets;
}

bool SaveReadableBook(IDatabase* database, const std::filesystem::path& file)
{
    std::optional<std::vector<SheetData>> sheets = ReadableJournalSheets(database);
    if (!sheets)
        return false;
    CXlsxBook book;
    for (SheetData& sheet : *sheets)
        AddToBook(book, std::move(sheet));
    return book.Save(file);
}

bool SaveReadableCsv(IDatabase* database, const std::filesystem::path& folder, CsvFormat format)
{
    const std::optional<std::vector<SheetData>> sheets = ReadableJournalSheets(database);
    if (!sheets)
        return false;
    bool saved = true;
    for (const SheetData& sheet : *sheets)
        saved = SaveSheetCsv(sheet, folder / ToPath(sheet.name + u".csv"), format) && saved;
    return saved;
}
