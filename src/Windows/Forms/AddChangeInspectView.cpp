#include "AddChangeInspectView.h"

#include "Calendar.h"
#include "Drawer.h"
#include "EditItem.h"
#include "HousingCache.h"
#include "IJournalComponent.h"
#include "JournalCache.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "SectionItem.h"
#include "StringIds.h"
#include "TaskOffers.h"
#include "Text.h"
#include "Tr.h"
#include "UnlikelyValues.h"
#include "ViewSetting.h"

#include <algorithm>

namespace {
constexpr int kQueenStates = 4;
constexpr int kDiseases = 33;

bool Hidden(const char16_t* setting)
{
    return !IsViewSettingChecked(StringId::RecordViewSettingsTitle, setting);
}

// The colony's latest record (the latest date, the later entry of a day), when the journal
// settings let a new record start from it.
const CJournalCache::Record* StartingRecord(std::int32_t idFamily)
{
    if (!IsViewSettingChecked(StringId::JournalName, kStartFromLastSetting))
        return nullptr;
    const CJournalCache::Record* latest = nullptr;
    std::int32_t idLatest = 0;
    for (std::int32_t idJournal : GetJournalCache()->RecordsOf(idFamily)) {
        const CJournalCache::Record* record = GetJournalCache()->FindRecord(idJournal);
        if (record && (!latest || std::pair(record->date, idJournal) > std::pair(latest->date, idLatest))) {
            latest = record;
            idLatest = idJournal;
        }
    }
    return latest;
}

// The line's fields in row order, so that rows are built and read back alike.
std::array<std::int32_t*, 5> LineFields(InspectHousing& hive)
{
    return { &hive.honey, &hive.brood, &hive.open_brood, &hive.close_brood, &hive.goods_honey };
}
}

CAddChangeInspectView::CAddChangeInspectView(JournalState* state, IJournalComponent& journal, HousingPicker pickHousing)
    : CAddChangeView(state, journal, { EventHousingsChanged, EventRecordViewSettingsChanged })
    , m_pickHousing(std::move(pickHousing))
{
}

void CAddChangeInspectView::LoadValues()
{
    m_hives.clear();
    m_lineItems.clear();
    LoadHives();
    m_openedHives = m_hives;
}

bool CAddChangeInspectView::Changed() const
{
    return CAddChangeView::Changed() || m_hives != m_openedHives;
}

void CAddChangeInspectView::BuildForm()
{
    ClearForm();
    m_lineItems.assign(m_hives.size(), {});
    AddTitle();
    AddField(KeyDate, StringId::RecordDateField, EditDate);
    AddField(KeyFrames, StringId::FramesField, EditWholeNumber);
    AddField(KeyStrength, StringId::StrengthField, EditWholeNumber);
    AddChoice(KeyQueenState, StringId::QueenStateField, StringId::QueenStateNone, kQueenStates);
    AddField(KeyWax, StringId::WaxField, EditWholeNumber, Hidden(u"check_give_wox"));
    AddField(KeyAmbrosia, StringId::AmbrosiaField, EditWholeNumber, Hidden(u"check_ambrosia"));
    AddField(KeyExtractedHoney, StringId::ExtractedHoneyField, EditWholeNumber, Hidden(u"check_pump_honey"));
    AddField(KeyFeeding, StringId::FeedingField, EditWholeNumber, Hidden(u"check_feeding"));
    AddChoice(KeyDisease, StringId::DiseaseField, StringId::DiseaseNone, kDiseases, Hidden(u"check_diseases"));
    AddField(KeyNote, StringId::NoteField, EditText, Hidden(u"check_note"));
    auto hives = std::make_unique<CSectionItem>(u"", KeyHives, &Editor());
    hives->AddButton(Tr(StringId::ButtonAdd));
    Editor().AddItem(std::move(hives));
    bool anyLine = false;
    for (std::size_t line = 0; line < m_hives.size(); ++line) {
        if (m_hives[line].status == HiveRemoved)
            continue;
        AddLine(line);
        anyLine = true;
    }
    AddUserFields(OwnerKind::Record, KeyUserFields, m_idRecord);
    EnableSave(anyLine);
}

void CAddChangeInspectView::AddLine(std::size_t line)
{
    const int key = static_cast<int>(line) * kLineKeys;
    auto section = std::make_unique<CSectionItem>(m_hives[line].hive.name_housing, key, &Editor());
    section->AddButton(Tr(StringId::ButtonDelete));
    Editor().AddItem(std::move(section));
    static constexpr std::int32_t labels[kLineRows] = { StringId::HoneyField, StringId::BroodField,
        StringId::OpenBroodField, StringId::SealedBroodField, StringId::MarketableHoneyField };
    const bool hidden[kLineRows] = { false, false, Hidden(u"check_open_brood"), Hidden(u"check_seal_brood"),
        Hidden(u"check_good_honey") };
    const auto fields = LineFields(m_hives[line].hive);
    for (int row = 0; row < kLineRows; ++row) {
        CEditorItem* item = Editor().AddItem(std::make_unique<CEditItem>(
            Tr(labels[row]), key + row + 1, EditWholeNumber, IntToText(*fields[static_cast<std::size_t>(row)])));
        item->SetHidden(hidden[row]);
        m_lineItems[line][static_cast<std::size_t>(row)] = item;
    }
}

void CAddChangeInspectView::CollectValues()
{
    CAddChangeView::CollectValues();
    for (std::size_t line = 0; line < m_lineItems.size() && line < m_hives.size(); ++line) {
        const auto fields = LineFields(m_hives[line].hive);
        for (std::size_t row = 0; row < fields.size(); ++row) {
            if (const CEditorItem* item = m_lineItems[line][row])
                *fields[row] = WToI(item->GetValue());
        }
    }
}

LRESULT CAddChangeInspectView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != DrawerNotifyMessage)
        return CAddChangeView::WindowProc(message, wParam, lParam);
    const auto code = static_cast<std::size_t>(wParam);
    if (code == KeyHives)
        AddHousing();
    else if (code % kLineKeys == 0 && code / kLineKeys < m_hives.size())
        RemoveHousing(code / kLineKeys);
    return 0;
}

void CAddChangeInspectView::AddHousing()
{
    const std::optional<PickedHousing> picked = m_pickHousing(this, ColonyId());
    if (!picked)
        return;
    CollectValues();
    HiveLine line;
    line.hive.id_housing = picked->id_housing;
    line.hive.name_housing = picked->name;
    line.status = HiveAdded;
    m_hives.push_back(line);
    BuildForm();
    Refresh();
}

void CAddChangeInspectView::RemoveHousing(std::size_t line)
{
    if (AfxMessageBox(Tr(StringId::RemoveHousingQuestion), MB_OKCANCEL) != IDOK)
        return;
    CollectValues();
    m_hives[line].status = HiveRemoved;
    BuildForm();
    Refresh();
}

InspectData CAddChangeInspectView::TypedInspect() const
{
    InspectData inspect;
    CJournalCache::Record& record = inspect.record;
    record.date = ParseDateText(Value(KeyDate));
    record.frame = WToI(Value(KeyFrames));
    record.strength = WToI(Value(KeyStrength));
    record.is_queen_bee = WToI(Value(KeyQueenState));
    record.wax = WToI(Value(KeyWax));
    record.ambrosia = WToI(Value(KeyAmbrosia));
    record.evacuation = WToI(Value(KeyExtractedHoney));
    record.dieting = WToI(Value(KeyFeeding));
    record.disease = WToI(Value(KeyDisease));
    record.note = Value(KeyNote);
    for (const HiveLine& line : m_hives) {
        if (line.status != HiveRemoved)
            record.hives.push_back(line.hive);
    }
    inspect.values = UserFieldValues();
    return inspect;
}

void CAddInspectView::Prepare()
{
    m_state->page = PageAddInspection;
}

bool CAddInspectView::Accepts(int, int, int action)
{
    return action == ActionAddInspection;
}

void CAddInspectView::LoadValues()
{
    // What was done on the last visit (wax, feeding, honey taken, the note) is not done again.
    if (const CJournalCache::Record* last = StartingRecord(TargetId())) {
        SetValue(KeyFrames, IntToText(last->frame));
        SetValue(KeyStrength, IntToText(last->strength));
        SetValue(KeyQueenState, IntToText(last->is_queen_bee));
        SetValue(KeyDisease, IntToText(last->disease));
    }
    CAddChangeInspectView::LoadValues();
}

void CAddInspectView::LoadHives()
{
    const CJournalCache::Record* last = StartingRecord(TargetId());
    for (std::int32_t idHousing : GetHousingCache()->HousingsOf(TargetId())) {
        const CHousingCache::Housing* housing = GetHousingCache()->FindHousing(idHousing);
        HiveLine line;
        line.hive.id_housing = idHousing;
        if (last) {
            const auto found = std::find_if(last->hives.begin(), last->hives.end(),
                [idHousing](const InspectHousing& hive) { return hive.id_housing == idHousing; });
            if (found != last->hives.end())
                line.hive = *found;
        }
        line.hive.name_housing = housing ? housing->name : std::u16string();
        m_hives.push_back(line);
    }
}

std::optional<std::pair<int, std::int32_t>> CAddInspectView::NextForm() const
{
    // The colonies of the site in the tree's order.
    const CPointFamilyCache::Family* colony = GetPointFamilyCache()->FindFamily(TargetId());
    if (!colony)
        return std::nullopt;
    std::vector<std::int32_t> colonies = GetPointFamilyCache()->FamiliesOf(colony->id_point);
    std::sort(colonies.begin(), colonies.end());
    const auto next = std::upper_bound(colonies.begin(), colonies.end(), TargetId());
    if (next == colonies.end())
        return std::nullopt;
    return std::pair<int, std::int32_t>(ActionAddInspection, *next);
}

std::u16string CAddInspectView::GetTitle()
{
    return Tr(StringId::AddInspect);
}

bool CAddInspectView::Save()
{
    InspectData inspect = TypedInspect();
    inspect.record.id_family = TargetId();
    if (!MaySaveUnlikelyValues(this, inspect))
        return false;
    const std::int32_t idRecord = Journal().AddInspect(inspect);
    if (idRecord == 0)
        return false;
    OfferToCloseTasks(this, inspect.record.id_family, inspect.record.date, idRecord);
    return true;
}

void CChangeInspectView::Prepare()
{
    m_state->page = PageChangeInspection;
}

bool CChangeInspectView::Accepts(int, int, int action)
{
    return action == ActionChangeInspection;
}

void CChangeInspectView::LoadValues()
{
    const CJournalCache::Record* record = GetJournalCache()->FindRecord(TargetId());
    m_idRecord = record ? record->id_record : 0;
    m_idFamily = record ? record->id_family : 0;
    if (record) {
        SetValue(KeyDate, FormatDateText(record->date));
        SetValue(KeyFrames, IntToText(record->frame));
        SetValue(KeyStrength, IntToText(record->strength));
        SetValue(KeyQueenState, IntToText(record->is_queen_bee));
        SetValue(KeyWax, IntToText(record->wax));
        SetValue(KeyAmbrosia, IntToText(record->ambrosia));
        SetValue(KeyExtractedHoney, IntToText(record->evacuation));
        SetValue(KeyFeeding, IntToText(record->dieting));
        SetValue(KeyDisease, IntToText(record->disease));
        SetValue(KeyNote, record->note);
    }
    CAddChangeInspectView::LoadValues();
}

void CChangeInspectView::LoadHives()
{
    const CJournalCache::Record* record = GetJournalCache()->FindRecord(TargetId());
    if (!record)
        return;
    for (const InspectHousing& hive : record->hives)
        m_hives.push_back({ hive, HiveExisting });
}

std::u16string CChangeInspectView::GetTitle()
{
    return Tr(StringId::ChangeInspect);
}

bool CChangeInspectView::Save()
{
    InspectData inspect = TypedInspect();
    inspect.id_journal = TargetId();
    inspect.record.id_family = m_idFamily;
    return MaySaveUnlikelyValues(this, inspect) && Journal().UpdateInspect(inspect);
}
