#include "CareHandler.h"

#include "CareCache.h"
#include "CareColoniesTable.h"
#include "FeedTypesTable.h"
#include "FeedingsTable.h"
#include "HarvestSupersTable.h"
#include "HarvestsTable.h"
#include "JournalChanges.h"
#include "MiteCountsTable.h"
#include "PointFamilyCache.h"
#include "Text.h"
#include "TreatmentProductsTable.h"
#include "TreatmentsTable.h"
#include "Tr.h"

#include <algorithm>

namespace {
void SetProductRow(CTreatmentProductsTable::content& row, const TreatmentProduct& product)
{
    row.id_product = product.id;
    row.name = product.name;
    row.substance = product.substance;
    row.form = product.form;
    row.dose = product.dose;
    row.unit = product.unit;
    row.withdrawal_days = product.withdrawal_days;
}

void SetFeedTypeRow(CFeedTypesTable::content& row, const FeedType& type)
{
    row.id_feed_type = type.id;
    row.name = type.name;
    row.sugar_share = type.sugar_share;
    row.density = type.density;
}

// The parts of one entry of a starter list: "name;field;field...".
std::vector<std::u16string> Split(const std::u16string& text, char16_t separator)
{
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The language writes a decimal number with its own mark.
double Decimal(const std::u16string& text)
{
    return WToF(ReplaceAll(text, u",", u"."));
}
}

bool CCareHandler::Refuse(std::int32_t refusal)
{
    TellUser(refusal);
    return false;
}

void CCareHandler::Follow()
{
    GetCareCache()->Load(CDatabaseLease().get());
    Fire({ EventCareChanged });
}

std::int32_t CCareHandler::RefusalOf(const Treatment& treatment)
{
    if (!GetCareCache()->Available())
        return StringId::CareNoTables;
    if (!GetCareCache()->FindProduct(treatment.id_product))
        return StringId::CareRefusalNoProduct;
    if (treatment.colonies.empty())
        return StringId::CareRefusalNoColonies;
    if (!NoColonyIsGone(treatment.colonies))
        return StringId::RemovedOutside;
    if (treatment.date_end < treatment.date_start)
        return StringId::CareRefusalDates;
    if (!(treatment.dose > 0.0) || treatment.withdrawal_days < 0)
        return StringId::CareRefusalAmount;
    return 0;
}

std::int32_t CCareHandler::RefusalOf(const Feeding& feeding)
{
    if (!GetCareCache()->Available())
        return StringId::CareNoTables;
    if (!GetCareCache()->FindFeedType(feeding.id_feed_type))
        return StringId::CareRefusalNoFeed;
    if (feeding.colonies.empty())
        return StringId::CareRefusalNoColonies;
    if (!NoColonyIsGone(feeding.colonies))
        return StringId::RemovedOutside;
    if (!(feeding.amount > 0.0))
        return StringId::CareRefusalAmount;
    return 0;
}

std::int32_t CCareHandler::RefusalOf(const Harvest& harvest)
{
    if (!GetCareCache()->Available())
        return StringId::CareNoTables;
    if (!GetPointFamilyCache()->FindFamily(harvest.id_family))
        return StringId::RemovedOutside;
    if (harvest.supers.empty()
        || std::any_of(harvest.supers.begin(), harvest.supers.end(), [](double weight) { return !(weight > 0.0); }))
        return StringId::CareRefusalAmount;
    return 0;
}

std::int32_t CCareHandler::RefusalOf(const MiteCount& count)
{
    if (!GetCareCache()->CountsAvailable())
        return StringId::CareNoTables;
    if (!GetPointFamilyCache()->FindFamily(count.id_family))
        return StringId::RemovedOutside;
    const bool board = count.method == MiteMethod::StickyBoard;
    const bool sampled = count.sample > 0 && (count.method != MiteMethod::DroneBrood || count.mites <= count.sample);
    if (count.mites < 0 || !(board ? count.days > 0.0 : sampled && Infestation(count)))
        return StringId::CareRefusalCount;
    return 0;
}

std::int32_t CCareHandler::AddMiteCount(MiteCount& count)
{
    if (const std::int32_t refusal = RefusalOf(count))
        return Refuse(refusal);
    CMiteCountsTable table;
    table.record.id_family = count.id_family;
    table.record.date = count.date;
    table.record.method = static_cast<std::int32_t>(count.method);
    table.record.mites = count.mites;
    table.record.sample = count.method == MiteMethod::StickyBoard ? 0 : count.sample;
    table.record.days = count.method == MiteMethod::StickyBoard ? count.days : 0.0;
    table.record.note = count.note;
    if (!InTransaction(u"Add Mite Count", [&](IDatabase* database) { table.Insert(database); }))
        return 0;
    count.id = table.record.id_count;
    Follow();
    return count.id;
}

bool CCareHandler::DeleteMiteCount(std::int32_t id)
{
    return DeleteEntry(u"Delete Mite Count", id, [&](IDatabase* database) {
        CMiteCountsTable table;
        table.record.id_count = id;
        table.Delete(database);
    });
}

std::int32_t CCareHandler::AddTreatment(Treatment& treatment)
{
    if (const std::int32_t refusal = RefusalOf(treatment))
        return Refuse(refusal);
    CTreatmentsTable table;
    CTreatmentsTable::content& row = table.record;
    row.id_product = treatment.id_product;
    row.batch = treatment.batch;
    row.dose = treatment.dose;
    row.unit = treatment.unit;
    row.method = treatment.method;
    row.date_start = treatment.date_start;
    row.date_end = treatment.date_end;
    row.withdrawal_days = treatment.withdrawal_days;
    row.prescriber = treatment.prescriber;
    row.note = treatment.note;
    const bool stored = InTransaction(u"Add Treatment", [&](IDatabase* database) {
        table.Insert(database);
        CCareColoniesTable::InsertAll(database, CareKind::Treatment, table.record.id_treatment, treatment.colonies);
    });
    if (!stored)
        return 0;
    treatment.id = table.record.id_treatment;
    Follow();
    return treatment.id;
}

std::int32_t CCareHandler::AddFeeding(Feeding& feeding)
{
    if (const std::int32_t refusal = RefusalOf(feeding))
        return Refuse(refusal);
    CFeedingsTable table;
    table.record.id_feed_type = feeding.id_feed_type;
    table.record.amount = feeding.amount;
    table.record.unit = static_cast<std::int32_t>(feeding.unit);
    table.record.date = feeding.date;
    table.record.note = feeding.note;
    const bool stored = InTransaction(u"Add Feeding", [&](IDatabase* database) {
        table.Insert(database);
        CCareColoniesTable::InsertAll(database, CareKind::Feeding, table.record.id_feeding, feeding.colonies);
    });
    if (!stored)
        return 0;
    feeding.id = table.record.id_feeding;
    Follow();
    return feeding.id;
}

std::int32_t CCareHandler::AddHarvest(Harvest& harvest)
{
    if (const std::int32_t refusal = RefusalOf(harvest))
        return Refuse(refusal);
    CHarvestsTable table;
    table.record.id_family = harvest.id_family;
    table.record.date = harvest.date;
    table.record.lot = harvest.lot;
    table.record.honey_kind = harvest.honey_kind;
    table.record.note = harvest.note;
    const bool stored = InTransaction(u"Add Harvest", [&](IDatabase* database) {
        table.Insert(database);
        std::int32_t position = 0;
        for (double weight : harvest.supers) {
            CHarvestSupersTable supers;
            supers.record.id_harvest = table.record.id_harvest;
            supers.record.position = ++position;
            supers.record.weight = weight;
            supers.Insert(database);
        }
    });
    if (!stored)
        return 0;
    harvest.id = table.record.id_harvest;
    Follow();
    return harvest.id;
}

template <class Body>
bool CCareHandler::DeleteEntry(const char16_t* label, std::int32_t id, Body body)
{
    if (id == kNoRow)
        return false;
    const bool stored = InTransaction(label, body);
    if (stored)
        Follow();
    return stored;
}

bool CCareHandler::DeleteTreatment(std::int32_t id)
{
    return DeleteEntry(u"Delete Treatment", id, [&](IDatabase* database) {
        CCareColoniesTable::DeleteAll(database, CareKind::Treatment, id);
        CTreatmentsTable table;
        table.record.id_treatment = id;
        table.Delete(database);
    });
}

bool CCareHandler::DeleteFeeding(std::int32_t id)
{
    return DeleteEntry(u"Delete Feeding", id, [&](IDatabase* database) {
        CCareColoniesTable::DeleteAll(database, CareKind::Feeding, id);
        CFeedingsTable table;
        table.record.id_feeding = id;
        table.Delete(database);
    });
}

bool CCareHandler::DeleteHarvest(std::int32_t id)
{
    return DeleteEntry(u"Delete Harvest", id, [&](IDatabase* database) {
        CHarvestSupersTable supers;
        supers.record.id_harvest = id;
        supers.Delete(database);
        CHarvestsTable table;
        table.record.id_harvest = id;
        table.Delete(database);
    });
}

template <class Table>
std::int32_t CCareHandler::SaveDictionaryRow(Table& table, std::int32_t Table::content::*key)
{
    const std::int32_t id = table.record.*key;
    const bool stored = WithoutTransaction([&](IDatabase* database) {
        if (id == kNoRow)
            table.Insert(database);
        else
            table.Update(database);
    });
    if (!stored)
        return 0;
    Follow();
    return id == kNoRow ? table.record.*key : id;
}

template <class Table>
bool CCareHandler::DeleteDictionaryRow(std::int32_t id, std::int32_t Table::content::*key)
{
    Table table;
    table.record.*key = id;
    if (id == kNoRow || !WithoutTransaction([&](IDatabase* database) { table.Delete(database); }))
        return false;
    Follow();
    return true;
}

std::int32_t CCareHandler::SaveProduct(TreatmentProduct& product)
{
    if (!GetCareCache()->Available())
        return Refuse(StringId::CareNoTables);
    if (IsBlank(product.name))
        return Refuse(StringId::CareRefusalNoName);
    if (product.dose < 0.0 || product.withdrawal_days < 0)
        return Refuse(StringId::CareRefusalAmount);
    CTreatmentProductsTable table;
    SetProductRow(table.record, product);
    product.id = SaveDictionaryRow(table, &CTreatmentProductsTable::content::id_product);
    return product.id;
}

bool CCareHandler::DeleteProduct(std::int32_t id)
{
    const auto& treatments = GetCareCache()->Treatments();
    if (std::any_of(treatments.begin(), treatments.end(), [id](const Treatment& t) { return t.id_product == id; }))
        return Refuse(StringId::CareRefusalProductInUse);
    return DeleteDictionaryRow<CTreatmentProductsTable>(id, &CTreatmentProductsTable::content::id_product);
}

std::int32_t CCareHandler::SaveFeedType(FeedType& type)
{
    if (!GetCareCache()->Available())
        return Refuse(StringId::CareNoTables);
    if (IsBlank(type.name))
        return Refuse(StringId::CareRefusalNoName);
    if (type.sugar_share < 0.0 || type.sugar_share > 1.0 || !(type.density > 0.0))
        return Refuse(StringId::CareRefusalAmount);
    CFeedTypesTable table;
    SetFeedTypeRow(table.record, type);
    type.id = SaveDictionaryRow(table, &CFeedTypesTable::content::id_feed_type);
    return type.id;
}

bool CCareHandler::DeleteFeedType(std::int32_t id)
{
    const auto& feedings = GetCareCache()->Feedings();
    if (std::any_of(feedings.begin(), feedings.end(), [id](const Feeding& f) { return f.id_feed_type == id; }))
        return Refuse(StringId::CareRefusalFeedInUse);
    return DeleteDictionaryRow<CFeedTypesTable>(id, &CFeedTypesTable::content::id_feed_type);
}

void CCareHandler::AddStarterLists()
{
    GetCareCache()->Load(CDatabaseLease().get());
    if (!GetCareCache()->Available())
        return;
    const bool stored = InTransaction(u"Starter Lists", [&](IDatabase* database) {
        if (GetCareCache()->Products().empty()) {
            for (const std::u16string& entry : Split(Tr(StringId::StarterProducts), u'|')) {
                const std::vector<std::u16string> fields = Split(entry, u';');
                if (fields.size() != 6)
                    continue;
                CTreatmentProductsTable table;
                SetProductRow(table.record,
                    { 0, fields[0], fields[1], fields[2], Decimal(fields[3]), fields[4], WToI(fields[5]) });
                table.Insert(database);
            }
        }
        if (GetCareCache()->FeedTypes().empty()) {
            for (const std::u16string& entry : Split(Tr(StringId::StarterFeedTypes), u'|')) {
                const std::vector<std::u16string> fields = Split(entry, u';');
                if (fields.size() != 3)
                    continue;
                CFeedTypesTable table;
                SetFeedTypeRow(table.record, { 0, fields[0], Decimal(fields[1]), Decimal(fields[2]) });
                table.Insert(database);
            }
        }
    });
    if (stored)
        Follow();
}
