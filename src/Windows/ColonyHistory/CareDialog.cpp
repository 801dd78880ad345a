#include "CareDialog.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareDictionaryDialog.h"
#include "CareWords.h"
#include "ColonyEventCache.h"
#include "ColonyEventWords.h"
#include "ComboBox.h"
#include "DateTimeCtrl.h"
#include "JournalHandlers.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "TaskOffers.h"
#include "TaskWords.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kRowHeight = 16;
constexpr int kLabelWidth = 110;
constexpr int kFieldLeft = 122;
constexpr int kFieldWidth = 170;
constexpr int kDropHeight = 100;
constexpr int kListHeight = 64;
constexpr UINT kLabelIds = 100;

void Add(CComboBox* combo, const std::u16string& text, std::int32_t data)
{
    combo->SetItemData(combo->AddString(text), static_cast<std::uintptr_t>(data));
}

std::int32_t TitleOf(CCareDialog::Kind kind)
{
    switch (kind) {
    case CCareDialog::Kind::Treatment:
        return StringId::TreatmentTitle;
    case CCareDialog::Kind::Feeding:
        return StringId::FeedingTitle;
    case CCareDialog::Kind::MiteCount:
        return StringId::MiteCountTitle;
    case CCareDialog::Kind::Task:
        return StringId::TaskDialogTitle;
    default:
        return StringId::HarvestTitle;
    }
}
}

CCareDialog::CCareDialog(Kind kind, std::int32_t idFamily, CWnd* parent)
    : CDialog(TemplateOf(kind), parent)
    , m_kind(kind)
    , m_idFamily(idFamily)
{
}

CCareDialog::CCareDialog(const Task& task, std::int32_t idFamily, CWnd* parent)
    : CCareDialog(Kind::Task, idFamily, parent)
{
    m_task = task;
}

std::vector<CCareDialog::Field> CCareDialog::FieldsOf(Kind kind)
{
    switch (kind) {
    case Kind::Treatment:
        return { { StringId::ProductLabel, IdProduct }, { StringId::BatchLabel, IdBatch },
            { StringId::DoseLabel, IdDose }, { StringId::UnitLabel, IdUnit }, { StringId::MethodLabel, IdMethod },
            { StringId::FirstDayLabel, IdFirstDay }, { StringId::LastDayLabel, IdLastDay },
            { StringId::WithdrawalDaysLabel, IdWithdrawal }, { StringId::PrescriberLabel, IdPrescriber },
            { StringId::ColoniesLabel, IdColonies }, { StringId::NoteLabel, IdNote } };
    case Kind::Feeding:
        return { { StringId::HistoryDateColumn, IdFirstDay }, { StringId::FeedLabel, IdFeed },
            { StringId::AmountLabel, IdAmount }, { StringId::UnitLabel, IdFeedUnit },
            { StringId::ColoniesLabel, IdColonies }, { StringId::NoteLabel, IdNote } };
    case Kind::Task:
        return { { StringId::TaskTitleLabel, IdTitle }, { StringId::TaskKindLabel, IdTaskKind },
            { StringId::TaskDueLabel, IdFirstDay }, { StringId::TaskTimeLabel, IdTime },
            { StringId::TaskEveryDaysLabel, IdEveryDays }, { StringId::TaskUntilLabel, IdLastDay },
            { StringId::ColoniesLabel, IdColonies }, { StringId::NoteLabel, IdNote } };
    case Kind::MiteCount:
        return { { StringId::HistoryDateColumn, IdFirstDay }, { StringId::MethodLabel, IdMiteMethod },
            { StringId::MitesLabel, IdMites }, { StringId::SampleLabel, IdSample },
            { StringId::SampleVolumeLabel, IdSampleVolume }, { StringId::BoardDaysLabel, IdBoardDays },
            { StringId::NoteLabel, IdNote } };
    default:
        return { { StringId::HistoryDateColumn, IdFirstDay }, { StringId::SupersLabel, IdSupers },
            { StringId::HoneyKindLabel, IdHoneyKind }, { StringId::LotLabel, IdLot }, { StringId::NoteLabel, IdNote } };
    }
}

DialogTemplate CCareDialog::TemplateOf(Kind kind)
{
    DialogTemplate made;
    int y = 7;
    for (const Field& field : FieldsOf(kind)) {
        made.items.push_back({ u"STATIC", field.id + kLabelIds, u"", kChild | SS_LEFT, 0, 7, y + 2, kLabelWidth, 10 });
        DialogItemTemplate control { u"EDIT", field.id, u"", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0,
            kFieldLeft, y, kFieldWidth, 12 };
        if (field.id == IdFirstDay || field.id == IdLastDay) {
            control.className = u"SysDateTimePick32";
        } else if (field.id == IdProduct || field.id == IdFeed || field.id == IdFeedUnit || field.id == IdMiteMethod
            || field.id == IdTaskKind) {
            control = { u"COMBOBOX", field.id, u"", kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, kFieldLeft, y,
                kFieldWidth, kDropHeight };
        } else if (field.id == IdColonies) {
            control = { u"LISTBOX", field.id, u"", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_MULTIPLESEL, 0,
                kFieldLeft, y, kFieldWidth, kListHeight };
            made.items.push_back({ u"BUTTON", IdWholeSite, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 7, y + 16,
                kLabelWidth - 6, 14 });
            y += kListHeight - kRowHeight + 4;
        }
        made.items.push_back(control);
        y += kRowHeight;
    }
    if (kind == Kind::Treatment || kind == Kind::Feeding)
        made.items.push_back({ u"BUTTON", IdDictionary, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 7, y + 4, 80, 14 });
    if (kind == Kind::MiteCount)
        made.items.push_back({ u"BUTTON", IdSaveNext, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 7, y + 4, 110, 14 });
    if (kind == Kind::Task)
        made.items.push_back({ u"BUTTON", IdTaskDone, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 7, y + 4, 80, 14 });
    made.items.push_back({ u"BUTTON", IDOK, u"", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, kFieldLeft + kFieldWidth - 150,
        y + 4, 70, 14 });
    made.items.push_back({ u"BUTTON", IDCANCEL, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, kFieldLeft + kFieldWidth - 70,
        y + 4, 70, 14 });
    made.cx = kFieldLeft + kFieldWidth + 7;
    made.cy = y + 25;
    return made;
}

BOOL CCareDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowColony();
    GetDlgItem(IDOK)->SetWindowText(Tr(StringId::ButtonSave));
    if (CWnd* next = GetDlgItem(IdSaveNext))
        next->SetWindowText(Tr(StringId::SaveAndNextColony));
    if (CWnd* done = GetDlgItem(IdTaskDone)) {
        done->SetWindowText(Tr(StringId::TaskDoneButton));
        done->EnableWindow(m_task && !m_task->done);
    }
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonCancel));
    for (const Field& field : FieldsOf(m_kind))
        GetDlgItem(field.id + kLabelIds)->SetWindowText(Tr(field.label));
    if (CWnd* whole = GetDlgItem(IdWholeSite))
        whole->SetWindowText(Tr(StringId::WholeSiteLabel));
    if (CWnd* dictionary = GetDlgItem(IdDictionary))
        dictionary->SetWindowText(Tr(m_kind == Kind::Feeding ? StringId::FeedsButton : StringId::ProductsButton));
    for (UINT id : { IdFirstDay, IdLastDay }) {
        if (auto* date = static_cast<CDateTimeCtrl*>(GetDlgItem(id)))
            date->SetTime(CurrentTime());
    }
    FillLists();
    ShowTask();
    return TRUE;
}

CComboBox* CCareDialog::Combo(UINT id)
{
    return dynamic_cast<CComboBox*>(GetDlgItem(id));
}

CListBox* CCareDialog::Colonies()
{
    return dynamic_cast<CListBox*>(GetDlgItem(IdColonies));
}

void CCareDialog::FillLists()
{
    FillDictionary();
    TakeProductDefaults();
    if (CComboBox* methods = Combo(IdMiteMethod)) {
        for (int method = 1; method <= kMiteMethods; ++method)
            Add(methods, MiteMethodWord(static_cast<MiteMethod>(method)), method);
        methods->SetCurSel(1);
    }
    if (CComboBox* kinds = Combo(IdTaskKind)) {
        for (int kind = 1; kind <= kTaskKinds; ++kind)
            Add(kinds, TaskKindWord(static_cast<TaskKind>(kind)), kind);
        kinds->SetCurSel(0);
    }
    if (CComboBox* units = Combo(IdFeedUnit)) {
        for (FeedUnit unit : { FeedUnit::Litres, FeedUnit::Kilograms })
            Add(units, FeedUnitWord(unit), static_cast<std::int32_t>(unit));
        units->SetCurSel(0);
    }
    if (CListBox* colonies = Colonies()) {
        for (const std::int32_t id : SiteColonies()) {
            const int index = colonies->AddString(ColonyNameOf(id));
            colonies->SetItemData(index, static_cast<std::uintptr_t>(id));
            const std::vector<std::int32_t> chosen = m_task ? m_task->colonies : std::vector<std::int32_t> { m_idFamily };
            if (std::find(chosen.begin(), chosen.end(), id) != chosen.end())
                colonies->SetSel(index);
        }
    }
}

std::vector<std::int32_t> CCareDialog::SiteColonies() const
{
    const CPointFamilyCache* places = GetPointFamilyCache();
    const CPointFamilyCache::Family* family = places->FindFamily(m_idFamily);
    std::vector<std::int32_t> colonies;
    for (const auto& [id, other] : places->Families()) {
        if (family && other.id_point == family->id_point && !GetColonyEventCache()->HasEnded(id))
            colonies.push_back(id);
    }
    return colonies;
}

std::int32_t CCareDialog::NextColony() const
{
    const std::vector<std::int32_t> colonies = SiteColonies();
    const auto after = std::upper_bound(colonies.begin(), colonies.end(), m_idFamily);
    return after == colonies.end() ? 0 : *after;
}

void CCareDialog::ShowColony()
{
    SetWindowText(Tr(TitleOf(m_kind)) + u": " + ColonyNameOf(m_idFamily));
    if (CWnd* next = GetDlgItem(IdSaveNext))
        next->EnableWindow(NextColony() != 0);
}

void CCareDialog::SaveAndNext()
{
    const std::int32_t next = NextColony();
    if (next == 0 || Store() == 0)
        return;
    m_idFamily = next;
    ShowColony();
    GetDlgItem(IdMites)->SetWindowText(u"");
    GetDlgItem(IdNote)->SetWindowText(u"");
    GetDlgItem(IdMites)->SetFocus();
}

void CCareDialog::ShowTask()
{
    if (m_kind != Kind::Task)
        return;
    GetDlgItem(IdEveryDays)->SetWindowText(u"0");
    if (!m_task)
        return;
    GetDlgItem(IdTitle)->SetWindowText(m_task->title);
    Combo(IdTaskKind)->SetCurSel(static_cast<int>(m_task->kind) - 1);
    static_cast<CDateTimeCtrl*>(GetDlgItem(IdFirstDay))->SetTime(m_task->due);
    GetDlgItem(IdTime)->SetWindowText(TaskTimeText(m_task->dueMinutes));
    GetDlgItem(IdEveryDays)->SetWindowText(IntToText(m_task->everyDays));
    if (m_task->everyDays > 0)
        static_cast<CDateTimeCtrl*>(GetDlgItem(IdLastDay))->SetTime(m_task->repeatUntil);
    GetDlgItem(IdNote)->SetWindowText(m_task->note);
}

void CCareDialog::FillDictionary()
{
    const CCareCache* care = GetCareCache();
    auto fill = [](CComboBox* combo, std::int32_t chosen, const auto& entries) {
        combo->ResetContent();
        for (const auto& [id, entry] : entries) {
            Add(combo, entry.name, id);
            if (id == chosen)
                combo->SetCurSel(combo->GetCount() - 1);
        }
        if (combo->GetCurSel() < 0)
            combo->SetCurSel(0);
    };
    if (CComboBox* products = Combo(IdProduct))
        fill(products, Chosen(IdProduct), care->Products());
    if (CComboBox* feeds = Combo(IdFeed))
        fill(feeds, Chosen(IdFeed), care->FeedTypes());
}

void CCareDialog::TakeProductDefaults()
{
    const TreatmentProduct* product = GetCareCache()->FindProduct(Chosen(IdProduct));
    if (!product)
        return;
    GetDlgItem(IdDose)->SetWindowText(product->dose > 0 ? DecimalText(product->dose) : u"");
    GetDlgItem(IdUnit)->SetWindowText(product->unit);
    GetDlgItem(IdWithdrawal)->SetWindowText(IntToText(product->withdrawal_days));
}

BOOL CCareDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IdProduct && HIWORD(wParam) == CBN_SELCHANGE) {
        TakeProductDefaults();
        return TRUE;
    }
    if (LOWORD(wParam) == IdDictionary && HIWORD(wParam) == BN_CLICKED) {
        const std::int32_t before = Chosen(IdProduct);
        CCareDictionaryDialog(
            m_kind == Kind::Feeding ? CCareDictionaryDialog::Kind::Feeds : CCareDictionaryDialog::Kind::Medicines, this)
            .DoModal();
        FillDictionary();
        if (Chosen(IdProduct) != before)
            TakeProductDefaults();
        return TRUE;
    }
    if (LOWORD(wParam) == IdTaskDone && HIWORD(wParam) == BN_CLICKED) {
        if (m_task && GetJournalHandlers()->tasks.Complete(m_task->id, CurrentTime(), 0))
            CDialog::OnOK();
        return TRUE;
    }
    if (LOWORD(wParam) == IdSaveNext && HIWORD(wParam) == BN_CLICKED) {
        SaveAndNext();
        return TRUE;
    }
    if (LOWORD(wParam) == IdWholeSite && HIWORD(wParam) == BN_CLICKED) {
        Colonies()->SetSel(-1);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

std::int32_t CCareDialog::Chosen(UINT id)
{
    CComboBox* combo = Combo(id);
    const int index = combo ? combo->GetCurSel() : -1;
    return index < 0 ? 0 : static_cast<std::int32_t>(combo->GetItemData(index));
}

std::u16string CCareDialog::Text(UINT id)
{
    CWnd* control = GetDlgItem(id);
    return control ? control->GetWindowText() : std::u16string();
}

std::int64_t CCareDialog::Day(UINT id)
{
    std::int64_t date = CurrentTime();
    static_cast<CDateTimeCtrl*>(GetDlgItem(id))->GetTime(date);
    return DaysAfter(date, 0);
}

double CCareDialog::Decimal(UINT id)
{
    return ReadDecimal(Text(id)).value_or(-1.0);
}

std::vector<std::int32_t> CCareDialog::ChosenColonies()
{
    std::vector<std::int32_t> chosen;
    CListBox* colonies = Colonies();
    for (int index = 0; index < colonies->GetCount(); ++index) {
        if (colonies->GetSel(index))
            chosen.push_back(static_cast<std::int32_t>(colonies->GetItemData(index)));
    }
    return chosen;
}

bool CCareDialog::HarvestMayBeStored(std::int32_t idFamily, std::int64_t day)
{
    const Treatment* treatment = GetCareCache()->WithholdingOn(idFamily, day);
    if (!treatment)
        return true;
    const std::u16string warning = TrFilled(StringId::WithdrawalWarning,
        { ColonyNameOf(idFamily), ProductNameOf(treatment->id_product), FormatDateText(WithdrawalEnd(*treatment)) });
    return MessageBoxW(this, warning, Tr(StringId::HarvestTitle), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::int32_t CCareDialog::Store()
{
    CCareHandler& care = GetJournalHandlers()->care;
    switch (m_kind) {
    case Kind::Treatment: {
        Treatment treatment;
        treatment.id_product = Chosen(IdProduct);
        treatment.batch = Text(IdBatch);
        treatment.dose = Decimal(IdDose);
        treatment.unit = Text(IdUnit);
        treatment.method = Text(IdMethod);
        treatment.date_start = Day(IdFirstDay);
        treatment.date_end = Day(IdLastDay);
        treatment.withdrawal_days = ReadWholeNumber(Text(IdWithdrawal)).value_or(-1);
        treatment.prescriber = Text(IdPrescriber);
        treatment.note = Text(IdNote);
        treatment.colonies = ChosenColonies();
        const std::int32_t stored = care.AddTreatment(treatment);
        if (stored != 0)
            OfferTreatmentFollowUps(this, treatment);
        return stored;
    }
    case Kind::Feeding: {
        Feeding feeding;
        feeding.date = Day(IdFirstDay);
        feeding.id_feed_type = Chosen(IdFeed);
        feeding.amount = Decimal(IdAmount);
        feeding.unit = static_cast<FeedUnit>(Chosen(IdFeedUnit));
        feeding.note = Text(IdNote);
        feeding.colonies = ChosenColonies();
        return care.AddFeeding(feeding);
    }
    case Kind::Task:
        return StoreTask();
    case Kind::MiteCount: {
        MiteCount count;
        count.id_family = m_idFamily;
        count.date = Day(IdFirstDay);
        count.method = static_cast<MiteMethod>(Chosen(IdMiteMethod));
        // What is not a whole number is refused as a count below 0.
        count.mites = ReadWholeNumber(Text(IdMites)).value_or(-1);
        count.sample = ReadWholeNumber(Text(IdSample)).value_or(0);
        if (Text(IdSample).empty())
            count.sample = BeesInVolume(ReadDecimal(Text(IdSampleVolume)).value_or(0.0));
        count.days = ReadDecimal(Text(IdBoardDays)).value_or(0.0);
        count.note = Text(IdNote);
        return care.AddMiteCount(count);
    }
    default: {
        Harvest harvest;
        harvest.id_family = m_idFamily;
        harvest.date = Day(IdFirstDay);
        // A weight that is not a number is refused as one of no honey.
        harvest.supers = ReadWeights(Text(IdSupers)).value_or(std::vector<double> { -1.0 });
        harvest.honey_kind = Text(IdHoneyKind);
        harvest.lot = Text(IdLot);
        harvest.note = Text(IdNote);
        if (!HarvestMayBeStored(harvest.id_family, harvest.date))
            return 0;
        return care.AddHarvest(harvest);
    }
    }
}

std::int32_t CCareDialog::StoreTask()
{
    Task task = m_task.value_or(Task {});
    task.title = Text(IdTitle);
    task.kind = static_cast<TaskKind>(Chosen(IdTaskKind));
    task.due = Day(IdFirstDay);
    // A time or a number of days that is not one is refused as one out of range.
    task.dueMinutes = ReadTaskTime(Text(IdTime)).value_or(kWholeDay - 1);
    task.everyDays = ReadWholeNumber(Text(IdEveryDays)).value_or(-1);
    task.repeatUntil = Day(IdLastDay);
    task.note = Text(IdNote);
    task.colonies = ChosenColonies();
    CTaskHandler& tasks = GetJournalHandlers()->tasks;
    if (!m_task)
        return tasks.Add(task);
    return tasks.Change(task) ? task.id : 0;
}

void CCareDialog::OnOK()
{
    if (Store() != 0)
        CDialog::OnOK();
}
