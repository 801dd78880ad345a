#include "ViewFamilies.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "ColonyEventCache.h"
#include "GridBuilder.h"
#include "JournalColumns.h"
#include "JournalCache.h"
#include "JournalPrint.h"
#include "ListColumn.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "VarroaThresholds.h"

#include <numeric>

namespace {
using Builder = CGridBuilder<ColonyRow>;

// A figure of the latest record; 0 without one.
std::function<std::u16string(const ColonyRow&)> Figure(std::int32_t (*of)(const CJournalCache::Record&))
{
    return [of](const ColonyRow& row) { return IntToText(row.latest ? of(*row.latest) : 0); };
}

// Birth dates of the colony's living queens, each followed by a space.
std::u16string LivingQueenBirthDates(std::int32_t idFamily)
{
    std::u16string dates;
    for (const auto& [id, queen] : GetQueenBeeCache()->QueensOf(idFamily)) {
        if (!queen.is_dead)
            dates += FormatDateText(queen.date) + u" ";
    }
    return dates;
}

const std::vector<Builder::Column>& LatestRecordColumns()
{
    static const std::vector<Builder::Column> columns {
        { ColonyFramesColumn, StringId::FramesField, ColumnInteger, u"check_frame",
            Figure([](const auto& r) { return r.frame; }) },
        { ColonyStrengthColumn, StringId::StrengthField, ColumnInteger, u"check_bees",
            Figure([](const auto& r) { return r.strength; }) },
        { ColonyHoneyColumn, StringId::HoneyField, ColumnInteger, u"check_honey",
            Figure([](const auto& r) { return SumOfHives(r, &CJournalCache::HiveRow::honey); }) },
        { ColonyBroodColumn, StringId::BroodField, ColumnInteger, u"check_brood",
            Figure([](const auto& r) { return SumOfHives(r, &CJournalCache::HiveRow::brood); }) },
        { ColonyWaxColumn, StringId::WaxField, ColumnInteger, u"check_wox",
            Figure([](const auto& r) { return r.wax; }) },
        { ColonyHivesColumn, StringId::HousingCountField, ColumnInteger, u"check_housing",
            Figure([](const auto& r) { return static_cast<std::int32_t>(r.hives.size()); }) },
        { ColonyQueenStateColumn, StringId::QueenStateField, ColumnCheck, u"check_exist_bee_queen",
            [](const ColonyRow& r) { return Tr(StringId::QueenStateNone + (r.latest ? r.latest->is_queen_bee : 0)); } },
        { ColonyQueenBirthDatesColumn, StringId::QueenBirthDatesField, ColumnDate, u"check_birthday_bee_queen",
            [](const ColonyRow& r) { return LivingQueenBirthDates(r.id); } },
    };
    return columns;
}

// The last day of a withdrawal that has not yet ended, the latest mite count against its threshold,
// the latest treatment, and this season's honey harvested and sugar fed.
const std::vector<Builder::Column>& CareColumns()
{
    static const std::vector<Builder::Column> columns {
        { ColonyWithheldUntilColumn, StringId::WithdrawalEndColumn, ColumnDate, nullptr,
            [](const ColonyRow& r) {
                const Treatment* withholding = GetCareCache()->WithholdingOn(r.id, CurrentTime());
                return withholding ? FormatDateText(WithdrawalEnd(*withholding)) : std::u16string();
            } },
        { ColonyVarroaColumn, StringId::VarroaColumn, ColumnText, nullptr,
            [](const ColonyRow& r) { return r.varroa.text; } },
        { ColonyLastTreatmentColumn, StringId::LastTreatmentColumn, ColumnText, nullptr,
            [](const ColonyRow& r) {
                const Treatment* latest = GetCareCache()->LatestTreatmentOf(r.id);
                return latest ? FormatDateText(latest->date_start) + u" " + ProductNameOf(latest->id_product)
                              : std::u16string();
            } },
        { ColonySeasonHoneyColumn, StringId::SeasonHoneyColumn, ColumnReal, nullptr,
            [](const ColonyRow& r) {
                double honey = 0.0;
                for (const Harvest* harvest : GetCareCache()->HarvestsOf(r.id)) {
                    if (YearOf(harvest->date) == YearOf(CurrentTime()))
                        honey += HarvestWeight(*harvest);
                }
                return honey > 0.0 ? DecimalText(honey) : std::u16string();
            } },
        { ColonySeasonSugarColumn, StringId::SeasonSugarColumn, ColumnReal, nullptr,
            [](const ColonyRow& r) {
                std::vector<Feeding> given;
                for (const Feeding* feeding : GetCareCache()->FeedingsOf(r.id))
                    given.push_back(*feeding);
                const auto fed = FeedingsByColony(given, GetCareCache()->FeedTypes(), YearOf(CurrentTime()));
                const auto mine = fed.find(r.id);
                return mine == fed.end() ? std::u16string() : DecimalText(mine->second.sugar);
            } },
    };
    return columns;
}
}

CViewFamilies::CViewFamilies(JournalState* state)
    : CViewTable(state,
        { ActionAddColony, true, ActionChangeColony, ActionDeleteColony, StringId::DeleteFamily, ColonyNameColumn, true },
        { EventFamilyViewSettingsChanged, EventQueenBeesChanged, EventInspectsChanged, EventFamiliesChanged,
            EventCareChanged, EventMiteThresholdsChanged })
{
}

void CViewFamilies::Prepare()
{
    m_state->page = PageColonies;
}

bool CViewFamilies::Accepts(int tab, int kind, int action)
{
    return tab == 0 && kind == NodeSite && action == ActionShowList;
}

std::u16string CViewFamilies::PrintTitle() const
{
    return TitleWithSite(Tr(StringId::PrintColoniesTitle), m_state->recordId);
}

void CViewFamilies::FillTable()
{
    Builder builder(Grid().Drawer(), StringId::FamilyViewSettingsTitle);
    builder.AddColumns(ColonyColumns());
    // Whether honey may be taken is read before anything else of a colony's state.
    if (GetCareCache()->Available())
        builder.AddColumns(CareColumns());
    builder.AddUserColumns(OwnerKind::Colony, ColonyUserColumns);
    builder.AddColumns(LatestRecordColumns());
    const CPointFamilyCache* cache = GetPointFamilyCache();
    const MiteThresholds thresholds = SavedMiteThresholds();
    for (std::int32_t id : cache->FamiliesOf(m_state->recordId)) {
        const CPointFamilyCache::Family* family = cache->FindFamily(id);
        if (!family)
            continue;
        const VarroaMark varroa = VarroaMarkOf(id, CurrentTime(), thresholds);
        TableRow* row = builder.AddRow(id, OwnerKind::Colony, family->id_record,
            ColonyRow { id, *family, GetJournalCache()->LatestRecordOf(id), varroa });
        if (GetColonyEventCache()->HasEnded(id)) {
            for (const auto& cell : row->cells)
                cell->textColour = EndedTextColour;
        } else {
            for (const auto& cell : row->cells) {
                if (cell->header->ColumnId() == ColonyVarroaColumn)
                    cell->textColour = varroa.colour;
            }
        }
    }
    builder.Finish(ColonyNameColumn);
}
