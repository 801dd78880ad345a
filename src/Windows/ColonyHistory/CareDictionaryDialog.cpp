#include "CareDictionaryDialog.h"

#include "CareCache.h"
#include "CareWords.h"
#include "JournalHandlers.h"
#include "ListBox.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kListWidth = 140;
constexpr int kLabelLeft = kListWidth + 14;
constexpr int kLabelWidth = 90;
constexpr int kFieldLeft = kLabelLeft + kLabelWidth + 4;
constexpr int kFieldWidth = 140;
constexpr int kRowHeight = 16;
constexpr UINT kLabelIds = 100;

// A number typed, or -1 for one that is not: the handler refuses it.
double NumberOf(const std::u16string& text)
{
    return ReadDecimal(text).value_or(-1.0);
}
}

CCareDictionaryDialog::CCareDictionaryDialog(Kind kind, CWnd* parent)
    : CDialog(TemplateOf(kind), parent)
    , m_kind(kind)
{
}

std::vector<CCareDictionaryDialog::Field> CCareDictionaryDialog::FieldsOf(Kind kind)
{
    if (kind == Kind::Feeds)
        return { { StringId::NameLabel, IdName }, { StringId::SugarShareLabel, IdSugar }, { StringId::DensityLabel, IdDensity } };
    return { { StringId::NameLabel, IdName }, { StringId::SubstanceLabel, IdSubstance }, { StringId::FormLabel, IdForm },
        { StringId::DoseLabel, IdDose }, { StringId::UnitLabel, IdUnit }, { StringId::WithdrawalDaysLabel, IdWithdrawal } };
}

DialogTemplate CCareDictionaryDialog::TemplateOf(Kind kind)
{
    DialogTemplate made;
    int y = 7;
    for (const Field& field : FieldsOf(kind)) {
        made.items.push_back({ u"STATIC", field.id + kLabelIds, u"", kChild | SS_LEFT, 0, kLabelLeft, y + 2, kLabelWidth, 10 });
        made.items.push_back({ u"EDIT", field.id, u"", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, kFieldLeft, y,
            kFieldWidth, 12 });
        y += kRowHeight;
    }
    y += 4;
    const int buttonWidth = (kFieldLeft + kFieldWidth - kLabelLeft - 8) / 3;
    int x = kLabelLeft;
    for (UINT id : { IdNew, IdSave, IdDelete }) {
        made.items.push_back({ u"BUTTON", id, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, x, y, buttonWidth, 14 });
        x += buttonWidth + 4;
    }
    const int height = std::max(y + 40, 110);
    made.items.push_back({ u"LISTBOX", IdList, u"", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 0, 7, 7,
        kListWidth, height - 14 });
    made.items.push_back({ u"BUTTON", IDCANCEL, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, kFieldLeft + kFieldWidth - 70,
        height - 21, 70, 14 });
    made.cx = kFieldLeft + kFieldWidth + 7;
    made.cy = height;
    return made;
}

BOOL CCareDictionaryDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(m_kind == Kind::Feeds ? StringId::FeedsTitle : StringId::ProductsTitle));
    for (const Field& field : FieldsOf(m_kind))
        GetDlgItem(field.id + kLabelIds)->SetWindowText(Tr(field.label));
    GetDlgItem(IdNew)->SetWindowText(Tr(StringId::NewEntryButton));
    GetDlgItem(IdSave)->SetWindowText(Tr(StringId::ButtonSave));
    GetDlgItem(IdDelete)->SetWindowText(Tr(StringId::ButtonDelete));
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonClose));
    Fill(0);
    return TRUE;
}

CListBox* CCareDictionaryDialog::List()
{
    return dynamic_cast<CListBox*>(GetDlgItem(IdList));
}

std::u16string CCareDictionaryDialog::Text(UINT id)
{
    CWnd* control = GetDlgItem(id);
    return control ? control->GetWindowText() : std::u16string();
}

void CCareDictionaryDialog::SetText(UINT id, const std::u16string& text)
{
    if (CWnd* control = GetDlgItem(id))
        control->SetWindowText(text);
}

void CCareDictionaryDialog::Fill(std::int32_t chosen)
{
    CListBox* list = List();
    list->ResetContent();
    auto add = [&](std::int32_t id, const std::u16string& name) {
        const int index = list->AddString(name);
        list->SetItemData(index, static_cast<std::uintptr_t>(id));
        if (id == chosen || (chosen == 0 && index == 0))
            list->SetCurSel(index);
    };
    if (m_kind == Kind::Feeds) {
        for (const auto& [id, feed] : GetCareCache()->FeedTypes())
            add(id, feed.name);
    } else {
        for (const auto& [id, product] : GetCareCache()->Products())
            add(id, product.name);
    }
    ShowChosen();
}

void CCareDictionaryDialog::ShowChosen()
{
    const int index = List()->GetCurSel();
    m_shown = index < 0 ? 0 : static_cast<std::int32_t>(List()->GetItemData(index));
    if (m_kind == Kind::Feeds) {
        const FeedType* feed = GetCareCache()->FindFeedType(m_shown);
        const FeedType shown = feed ? *feed : FeedType {};
        SetText(IdName, shown.name);
        SetText(IdSugar, feed ? DecimalText(shown.sugar_share) : u"");
        SetText(IdDensity, DecimalText(shown.density));
        return;
    }
    const TreatmentProduct* product = GetCareCache()->FindProduct(m_shown);
    const TreatmentProduct shown = product ? *product : TreatmentProduct {};
    SetText(IdName, shown.name);
    SetText(IdSubstance, shown.substance);
    SetText(IdForm, shown.form);
    SetText(IdDose, product ? DecimalText(shown.dose) : u"");
    SetText(IdUnit, shown.unit);
    SetText(IdWithdrawal, IntToText(shown.withdrawal_days));
}

void CCareDictionaryDialog::Save()
{
    CCareHandler& care = GetJournalHandlers()->care;
    std::int32_t saved = 0;
    if (m_kind == Kind::Feeds) {
        FeedType feed { m_shown, Text(IdName), NumberOf(Text(IdSugar)), NumberOf(Text(IdDensity)) };
        saved = care.SaveFeedType(feed);
    } else {
        TreatmentProduct product { m_shown, Text(IdName), Text(IdSubstance), Text(IdForm), NumberOf(Text(IdDose)),
            Text(IdUnit), ReadWholeNumber(Text(IdWithdrawal)).value_or(-1) };
        saved = care.SaveProduct(product);
    }
    if (saved != 0)
        Fill(saved);
}

void CCareDictionaryDialog::Delete()
{
    CCareHandler& care = GetJournalHandlers()->care;
    if (m_shown != 0 && (m_kind == Kind::Feeds ? care.DeleteFeedType(m_shown) : care.DeleteProduct(m_shown)))
        Fill(0);
}

BOOL CCareDictionaryDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id == IdList && HIWORD(wParam) == LBN_SELCHANGE) {
        ShowChosen();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && (id == IdNew || id == IdSave || id == IdDelete)) {
        if (id == IdNew) {
            List()->SetCurSel(-1);
            ShowChosen();
            GetDlgItem(IdName)->SetFocus();
        } else if (id == IdSave) {
            Save();
        } else {
            Delete();
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}
