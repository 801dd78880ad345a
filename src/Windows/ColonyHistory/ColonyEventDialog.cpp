#include "ColonyEventDialog.h"

#include "Button.h"
#include "Calendar.h"
#include "ColonyEventCache.h"
#include "ColonyEventWords.h"
#include "ComboBox.h"
#include "DateTimeCtrl.h"
#include "JournalHandlers.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "TaskOffers.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kRowHeight = 16;
constexpr int kLabelWidth = 110;
constexpr int kFieldLeft = 122;
constexpr int kFieldWidth = 150;
constexpr int kDropHeight = 100;
// A field's label has the field's id and this.
constexpr UINT kLabelIds = 100;

bool IsDigits(const std::u16string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// The living queens of the colony (0: kept in no colony, the queen store).
std::vector<std::int32_t> LivingQueens(std::int32_t idFamily)
{
    std::vector<std::int32_t> living;
    for (const auto& [id, queen] : GetQueenBeeCache()->QueensOf(idFamily)) {
        if (!queen.is_dead)
            living.push_back(id);
    }
    return living;
}

std::int32_t FirstLivingQueen(std::int32_t idFamily)
{
    const std::vector<std::int32_t> living = LivingQueens(idFamily);
    return living.empty() ? 0 : living.front();
}

void Add(CComboBox* combo, const std::u16string& text, std::int32_t data)
{
    combo->SetItemData(combo->AddString(text), static_cast<std::uintptr_t>(data));
}

void AddQueens(CComboBox* combo, std::int32_t idFamily)
{
    for (std::int32_t id : LivingQueens(idFamily))
        Add(combo, GetQueenBeeCache()->FindQueenBee(id)->name, id);
}

std::u16string FateText(QueenFate fate)
{
    return fate == QueenFate::Moved ? Tr(StringId::QueenToStore) : QueenFateWord(fate);
}
}

CColonyEventDialog::CColonyEventDialog(ColonyEventKind kind, std::int32_t idFamily, CWnd* parent)
    : CDialog(TemplateOf(kind), parent)
    , m_kind(kind)
    , m_idFamily(idFamily)
{
}

std::vector<CColonyEventDialog::Field> CColonyEventDialog::FieldsOf(ColonyEventKind kind)
{
    std::vector<Field> fields { { StringId::HistoryDateColumn, IdDate } };
    switch (kind) {
    case ColonyEventKind::Split:
        fields.insert(fields.end(),
            { { StringId::NewColonyNameLabel, IdName }, { StringId::SiteLabel, IdSite },
                { StringId::BroodFramesLabel, IdBrood }, { StringId::HoneyFramesLabel, IdHoney },
                { StringId::BeeFramesLabel, IdBees }, { StringId::DaughterGetsLabel, IdDaughterQueen },
                { StringId::StoredQueenLabel, IdStoredQueen } });
        break;
    case ColonyEventKind::Unite:
        fields.insert(fields.end(),
            { { StringId::UniteColonyLabel, IdOtherColony }, { StringId::RemovedQueenLabel, IdRemovedQueen },
                { StringId::RemovedFateLabel, IdFate } });
        break;
    case ColonyEventKind::Requeen:
        fields.insert(fields.end(), { { StringId::OldQueenFateLabel, IdFate }, { StringId::NewQueenLabel, IdNewQueen } });
        break;
    case ColonyEventKind::Swarm:
        fields.insert(fields.end(),
            { { StringId::SwarmCaughtLabel, IdCaught }, { StringId::NewColonyNameLabel, IdName },
                { StringId::SiteLabel, IdSite } });
        break;
    case ColonyEventKind::Move:
        fields.push_back({ StringId::MoveToLabel, IdSite });
        break;
    case ColonyEventKind::Loss:
        fields.push_back({ StringId::LossCauseLabel, IdCause });
        break;
    default:
        break;
    }
    fields.push_back({ StringId::HistoryNoteColumn, IdNote });
    return fields;
}

DialogTemplate CColonyEventDialog::TemplateOf(ColonyEventKind kind)
{
    DialogTemplate made;
    const std::vector<Field> fields = FieldsOf(kind);
    int y = 7;
    for (const Field& field : fields) {
        made.items.push_back({ u"STATIC", field.id + kLabelIds, u"", kChild | SS_LEFT, 0, 7, y + 2, kLabelWidth, 10 });
        DialogItemTemplate control { u"EDIT", field.id, u"", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0,
            kFieldLeft, y, kFieldWidth, 12 };
        if (field.id == IdDate)
            control.className = u"SysDateTimePick32";
        else if (field.id == IdCaught)
            control = { u"BUTTON", field.id, u"", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, kFieldLeft, y, kFieldWidth, 12 };
        else if (field.id != IdNote && field.id != IdName && field.id != IdBrood && field.id != IdHoney && field.id != IdBees)
            control = { u"COMBOBOX", field.id, u"", kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                kFieldLeft, y, kFieldWidth, kDropHeight };
        made.items.push_back(control);
        y += kRowHeight;
    }
    made.items.push_back({ u"BUTTON", IDOK, u"", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 122, y + 4, 70, 14 });
    made.items.push_back({ u"BUTTON", IDCANCEL, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 202, y + 4, 70, 14 });
    made.cx = kFieldLeft + kFieldWidth + 7;
    made.cy = y + 25;
    return made;
}

BOOL CColonyEventDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::EventKindSplit + static_cast<std::int32_t>(m_kind) - 1) + u": " + [this] {
        const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(m_idFamily);
        return family ? family->name : std::u16string();
    }());
    GetDlgItem(IDOK)->SetWindowText(Tr(StringId::ButtonSave));
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonCancel));
    for (const Field& field : FieldsOf(m_kind))
        GetDlgItem(field.id + kLabelIds)->SetWindowText(Tr(field.label));
    static_cast<CDateTimeCtrl*>(GetDlgItem(IdDate))->SetTime(CurrentTime());
    FillLists();
    return TRUE;
}

CComboBox* CColonyEventDialog::Combo(UINT id)
{
    return dynamic_cast<CComboBox*>(GetDlgItem(id));
}

void CColonyEventDialog::FillLists()
{
    const CPointFamilyCache* places = GetPointFamilyCache();
    const CPointFamilyCache::Family* family = places->FindFamily(m_idFamily);
    const std::int32_t site = family ? family->id_point : 0;
    if (CComboBox* sites = Combo(IdSite)) {
        for (const auto& [id, point] : places->Points()) {
            // A colony moves to another site; a new colony starts at its mother's or another.
            if (m_kind != ColonyEventKind::Move || id != site)
                Add(sites, point.name, id);
        }
    }
    if (CComboBox* gets = Combo(IdDaughterQueen)) {
        for (std::int32_t choice = 0; choice <= static_cast<std::int32_t>(DaughterQueen::StoredQueen); ++choice)
            Add(gets, DaughterQueenWord(static_cast<DaughterQueen>(choice)), choice);
    }
    if (CComboBox* stored = Combo(IdStoredQueen))
        AddQueens(stored, 0);
    if (CComboBox* others = Combo(IdOtherColony)) {
        for (const auto& [id, other] : places->Families()) {
            if (id != m_idFamily && !GetColonyEventCache()->HasEnded(id))
                Add(others, other.name, id);
        }
    }
    if (CComboBox* fates = Combo(IdFate)) {
        Add(fates, FateText(QueenFate::Killed), static_cast<std::int32_t>(QueenFate::Killed));
        if (m_kind == ColonyEventKind::Requeen)
            Add(fates, FateText(QueenFate::Superseded), static_cast<std::int32_t>(QueenFate::Superseded));
        Add(fates, FateText(QueenFate::Moved), static_cast<std::int32_t>(QueenFate::Moved));
    }
    if (CComboBox* queens = Combo(IdNewQueen)) {
        AddQueens(queens, 0);
    }
    if (CComboBox* causes = Combo(IdCause)) {
        for (std::int32_t cause = 1; cause <= static_cast<std::int32_t>(LossCause::Other); ++cause)
            Add(causes, LossCauseWord(static_cast<LossCause>(cause)), cause);
    }
    for (UINT id : { IdSite, IdDaughterQueen, IdStoredQueen, IdOtherColony, IdFate, IdNewQueen, IdCause }) {
        if (CComboBox* combo = Combo(id))
            combo->SetCurSel(0);
    }
    if (CComboBox* sites = Combo(IdSite); sites && m_kind != ColonyEventKind::Move) {
        for (int index = 0; index < sites->GetCount(); ++index) {
            if (static_cast<std::int32_t>(sites->GetItemData(index)) == site)
                sites->SetCurSel(index);
        }
    }
    FillRemovedQueens();
}

void CColonyEventDialog::FillRemovedQueens()
{
    CComboBox* removed = Combo(IdRemovedQueen);
    if (!removed)
        return;
    removed->ResetContent();
    Add(removed, Tr(StringId::HistoryNone), 0);
    AddQueens(removed, m_idFamily);
    AddQueens(removed, Chosen(IdOtherColony));
    removed->SetCurSel(removed->GetCount() > 1 ? 1 : 0);
}

BOOL CColonyEventDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IdOtherColony && HIWORD(wParam) == CBN_SELCHANGE) {
        FillRemovedQueens();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

std::int32_t CColonyEventDialog::Chosen(UINT id)
{
    CComboBox* combo = Combo(id);
    const int index = combo ? combo->GetCurSel() : -1;
    return index < 0 ? 0 : static_cast<std::int32_t>(combo->GetItemData(index));
}

std::u16string CColonyEventDialog::Text(UINT id)
{
    CWnd* control = GetDlgItem(id);
    return control ? control->GetWindowText() : std::u16string();
}

std::int32_t CColonyEventDialog::Number(UINT id)
{
    const std::u16string text = Text(id);
    // What is not a whole number is refused by the event as a count below 0.
    return text.empty() ? 0 : IsDigits(text) ? WToI(text) : -1;
}

std::int32_t CColonyEventDialog::Store()
{
    CColonyEventHandler& events = GetJournalHandlers()->colonyEvents;
    std::int64_t date = CurrentTime();
    static_cast<CDateTimeCtrl*>(GetDlgItem(IdDate))->GetTime(date);
    auto common = [&](auto& record) {
        record.id_family = m_idFamily;
        record.date = date;
        record.note = Text(IdNote);
    };
    switch (m_kind) {
    case ColonyEventKind::Split: {
        CSplitColonyOperation::content split;
        common(split);
        split.name = Text(IdName);
        split.id_point = Chosen(IdSite);
        split.brood_frames = Number(IdBrood);
        split.honey_frames = Number(IdHoney);
        split.bee_frames = Number(IdBees);
        split.daughter_queen = static_cast<DaughterQueen>(Chosen(IdDaughterQueen));
        if (split.daughter_queen == DaughterQueen::OldQueen)
            split.id_queen_bee = FirstLivingQueen(m_idFamily);
        else if (split.daughter_queen == DaughterQueen::StoredQueen)
            split.id_queen_bee = Chosen(IdStoredQueen);
        const std::int32_t stored = events.Split(split);
        if (stored != 0)
            OfferSplitFollowUp(this, split.daughter_queen == DaughterQueen::OldQueen ? m_idFamily : split.id_daughter, date);
        return stored;
    }
    case ColonyEventKind::Unite: {
        CUniteColoniesOperation::content unite;
        common(unite);
        unite.id_other_family = Chosen(IdOtherColony);
        unite.id_removed_queen = Chosen(IdRemovedQueen);
        unite.removed_fate = static_cast<QueenFate>(Chosen(IdFate));
        return events.Unite(unite);
    }
    case ColonyEventKind::Requeen: {
        CRequeenOperation::content requeen;
        common(requeen);
        requeen.id_old_queen = FirstLivingQueen(m_idFamily);
        requeen.old_fate = static_cast<QueenFate>(Chosen(IdFate));
        requeen.id_new_queen = Chosen(IdNewQueen);
        const std::int32_t stored = events.Requeen(requeen);
        if (stored != 0)
            OfferRequeenFollowUp(this, m_idFamily, date);
        return stored;
    }
    case ColonyEventKind::Swarm: {
        CSwarmOperation::content swarm;
        common(swarm);
        // The queen that left is the colony's one, when it has just one.
        const std::vector<std::int32_t> living = LivingQueens(m_idFamily);
        swarm.id_queen_bee = living.size() == 1 ? living.front() : 0;
        swarm.caught = static_cast<CButton*>(GetDlgItem(IdCaught))->GetCheck() == BST_CHECKED;
        if (swarm.caught) {
            swarm.name = Text(IdName);
            swarm.id_point = Chosen(IdSite);
        }
        return events.Swarm(swarm);
    }
    case ColonyEventKind::Move: {
        CMoveColonyOperation::content move;
        common(move);
        move.id_point = Chosen(IdSite);
        return events.Move(move);
    }
    case ColonyEventKind::Loss: {
        CLoseColonyOperation::content loss;
        common(loss);
        loss.cause = static_cast<LossCause>(Chosen(IdCause));
        return events.Lose(loss);
    }
    default:
        return 0;
    }
}

void CColonyEventDialog::OnOK()
{
    if (Store() != 0)
        CDialog::OnOK();
}
