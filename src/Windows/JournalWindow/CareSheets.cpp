#include "CareSheets.h"

#include "CareCache.h"
#include "CareWords.h"
#include "ColonyEventWords.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "SheetBuilder.h"
#include "StringIds.h"

namespace {
using Cell = CXlsxBook::Cell;

SheetData Treatments()
{
    CSheetBuilder<Treatment> sheet;
    sheet.Add(StringId::FirstDayLabel, [](const Treatment& t) { return Cell::Date(t.date_start); });
    sheet.Add(StringId::LastDayLabel, [](const Treatment& t) { return Cell::Date(t.date_end); });
    sheet.Add(StringId::ProductLabel, [](const Treatment& t) { return Cell::Text(ProductNameOf(t.id_product)); });
    sheet.Add(StringId::SubstanceLabel, [](const Treatment& t) {
        const TreatmentProduct* product = GetCareCache()->FindProduct(t.id_product);
        return Cell::Text(product ? product->substance : std::u16string());
    });
    sheet.Add(StringId::BatchLabel, [](const Treatment& t) { return Cell::Text(t.batch); });
    sheet.Add(StringId::DoseLabel, [](const Treatment& t) { return Cell::Number(t.dose); });
    sheet.Add(StringId::UnitLabel, [](const Treatment& t) { return Cell::Text(t.unit); });
    sheet.Add(StringId::MethodLabel, [](const Treatment& t) { return Cell::Text(t.method); });
    sheet.Add(StringId::WithdrawalDaysLabel, [](const Treatment& t) { return Cell::Number(t.withdrawal_days); });
    sheet.Add(StringId::WithdrawalEndColumn, [](const Treatment& t) { return Cell::Date(WithdrawalEnd(t)); });
    sheet.Add(StringId::PrescriberLabel, [](const Treatment& t) { return Cell::Text(t.prescriber); });
    sheet.Add(StringId::ColoniesLabel, [](const Treatment& t) { return Cell::Text(ColonyNamesOf(t.colonies)); });
    sheet.Add(StringId::NoteLabel, [](const Treatment& t) { return Cell::Text(t.note); });
    for (const Treatment& treatment : GetCareCache()->Treatments())
        sheet.AddRow(treatment);
    return sheet.Sheet(StringId::TreatmentsSheetName);
}

SheetData Feedings()
{
    CSheetBuilder<Feeding> sheet;
    sheet.Add(StringId::HistoryDateColumn, [](const Feeding& f) { return Cell::Date(f.date); });
    sheet.Add(StringId::FeedLabel, [](const Feeding& f) { return Cell::Text(FeedNameOf(f.id_feed_type)); });
    sheet.Add(StringId::AmountLabel, [](const Feeding& f) { return Cell::Number(f.amount); });
    sheet.Add(StringId::UnitLabel, [](const Feeding& f) { return Cell::Text(FeedUnitWord(f.unit)); });
    sheet.Add(StringId::SugarColumn, [](const Feeding& f) {
        const std::map<std::int32_t, FeedType>& types = GetCareCache()->FeedTypes();
        const auto totals = FeedingsByColony({ f }, types, 0);
        return Cell::Number(totals.empty() ? 0.0 : totals.begin()->second.sugar);
    });
    sheet.Add(StringId::ColoniesLabel, [](const Feeding& f) { return Cell::Text(ColonyNamesOf(f.colonies)); });
    sheet.Add(StringId::NoteLabel, [](const Feeding& f) { return Cell::Text(f.note); });
    for (const Feeding& feeding : GetCareCache()->Feedings())
        sheet.AddRow(feeding);
    return sheet.Sheet(StringId::FeedingsSheetName);
}

// The colony's queens, living or not, whose honey the harvest is.
std::u16string QueensOf(std::int32_t idFamily)
{
    std::u16string names;
    for (const auto& [id, queen] : GetQueenBeeCache()->QueensOf(idFamily))
        names += (names.empty() ? u"" : u", ") + queen.name;
    return names;
}

SheetData Harvests()
{
    CSheetBuilder<Harvest> sheet;
    sheet.Add(StringId::HistoryDateColumn, [](const Harvest& h) { return Cell::Date(h.date); });
    sheet.Add(StringId::ColonyNumberColumn, [](const Harvest& h) { return Cell::Number(h.id_family); });
    sheet.Add(StringId::FamilyNameField, [](const Harvest& h) { return Cell::Text(ColonyNameOf(h.id_family)); });
    sheet.Add(StringId::SiteLabel, [](const Harvest& h) {
        const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(h.id_family);
        return Cell::Text(family ? SiteNameOf(family->id_point) : std::u16string());
    });
    sheet.Add(StringId::SuperCountColumn, [](const Harvest& h) { return Cell::Number(static_cast<double>(h.supers.size())); });
    sheet.Add(StringId::HoneyWeightColumn, [](const Harvest& h) { return Cell::Number(HarvestWeight(h)); });
    sheet.Add(StringId::SupersLabel, [](const Harvest& h) {
        std::u16string weights;
        for (double weight : h.supers)
            weights += (weights.empty() ? u"" : u" ") + DecimalText(weight);
        return Cell::Text(weights);
    });
    sheet.Add(StringId::HoneyKindLabel, [](const Harvest& h) { return Cell::Text(h.honey_kind); });
    sheet.Add(StringId::LotLabel, [](const Harvest& h) { return Cell::Text(h.lot); });
    sheet.Add(StringId::ColonyQueensColumn, [](const Harvest& h) { return Cell::Text(QueensOf(h.id_family)); });
    sheet.Add(StringId::NoteLabel, [](const Harvest& h) { return Cell::Text(h.note); });
    for (const Harvest& harvest : GetCareCache()->Harvests())
        sheet.AddRow(harvest);
    return sheet.Sheet(StringId::HarvestsSheetName);
}

SheetData MiteCounts()
{
    CSheetBuilder<MiteCount> sheet;
    sheet.Add(StringId::HistoryDateColumn, [](const MiteCount& c) { return Cell::Date(c.date); });
    sheet.Add(StringId::ColonyNumberColumn, [](const MiteCount& c) { return Cell::Number(c.id_family); });
    sheet.Add(StringId::FamilyNameField, [](const MiteCount& c) { return Cell::Text(ColonyNameOf(c.id_family)); });
    sheet.Add(StringId::MethodLabel, [](const MiteCount& c) { return Cell::Text(MiteMethodWord(c.method)); });
    sheet.Add(StringId::MitesLabel, [](const MiteCount& c) { return Cell::Number(c.mites); });
    sheet.Add(StringId::SampleLabel, [](const MiteCount& c) {
        return c.method == MiteMethod::StickyBoard ? Cell::Text(u"") : Cell::Number(c.sample);
    });
    sheet.Add(StringId::BoardDaysLabel, [](const MiteCount& c) {
        return c.method == MiteMethod::StickyBoard ? Cell::Number(c.days) : Cell::Text(u"");
    });
    sheet.Add(StringId::VarroaColumn, [](const MiteCount& c) {
        const std::optional<double> infestation = Infestation(c);
        return infestation ? Cell::Number(*infestation) : Cell::Text(u"");
    });
    sheet.Add(StringId::NoteLabel, [](const MiteCount& c) { return Cell::Text(c.note); });
    for (const MiteCount& count : GetCareCache()->Counts())
        sheet.AddRow(count);
    return sheet.Sheet(StringId::MiteCountsSheetName);
}
}

std::vector<SheetData> CareSheets()
{
    std::vector<SheetData> sheets;
    if (GetCareCache()->Available())
        sheets = { Treatments(), Feedings(), Harvests() };
    if (GetCareCache()->CountsAvailable())
        sheets.push_back(MiteCounts());
    return sheets;
}
