#include "AddHousingDialog.h"

#include "ComboBox.h"
#include "DialogTemplates.h"
#include "Edit.h"
#include "FontHelper.h"
#include "HousingCache.h"
#include "IJournalComponent.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "Notify.h"
#include "PointFamilyCache.h"
#include "SelectByPrefix.h"
#include "Static.h"
#include "StringIds.h"
#include "TabCtrl.h"
#include "Tr.h"
#include "TypeCombo.h"

namespace {
constexpr std::int32_t kTabNames[] = { StringId::NewHousingTab, StringId::ExistingHousingTab, StringId::HousingNameOnlyTab };
// The drop-down part of the type lists below their edit line.
constexpr int kDropHeight = 150;

}

CAddHousingDialog::CAddHousingDialog(IJournalComponent& journal, CWnd* parent, std::int32_t idFamily)
    : CDialog(IDD_ADD_HOUSING, parent)
    , m_journal(journal)
    , m_idFamily(idFamily)
    , m_font(CreateFontHelper(false, u"MS Sans Serif", 14, false, false))
{
}

CAddHousingDialog::~CAddHousingDialog() = default;

void CAddHousingDialog::Place(CWnd& control, const char16_t* className, const std::u16string& text, DWORD style,
    const RECT& place, UINT id)
{
    control.CreateEx(0, className, text, WS_CHILD | WS_VISIBLE | style, place, this, id);
    control.SetFont(m_font.get());
}

template <typename Control>
Control* CAddHousingDialog::AddToTab(const char16_t* className, const std::u16string& text, DWORD style,
    const RECT& place, UINT id)
{
    auto control = std::make_unique<Control>();
    Place(*control, className, text, style, place, id);
    Control* made = control.get();
    m_tabControls.push_back(std::move(control));
    return made;
}

BOOL CAddHousingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::HousingDialogTitle));
    GetDlgItem(IDOK)->SetWindowText(Tr(StringId::ButtonAdd));
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonCancel));
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IdTab));
    for (int index = 0; index < 3; ++index)
        tabs->InsertItem(index, Tr(kTabNames[index]));
    m_nameLabel = std::make_unique<CStatic>();
    Place(*m_nameLabel, u"STATIC", Tr(StringId::HousingNameLabel), SS_LEFT, RECT { 15, 40, 320, 55 }, 0xFFFF);
    m_nameEdit = std::make_unique<CEdit>();
    Place(*m_nameEdit, u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, RECT { 15, 55, 320, 75 }, IdName);
    tabs->SetCurSel(NewHousing);
    BuildTab(NewHousing);
    return TRUE;
}

void CAddHousingDialog::ClearTab()
{
    m_tabControls.clear();
    m_housingTypes = nullptr;
    m_frameTypes = nullptr;
    m_housings = nullptr;
}

void CAddHousingDialog::BuildTab(Tab tab)
{
    ClearTab();
    m_mode = tab;
    const CHousingCache* store = GetHousingCache();
    if (tab == NewHousing) {
        AddToTab<CStatic>(u"STATIC", Tr(StringId::HousingTypesLabel), SS_LEFT, RECT { 15, 80, 320, 95 }, 0xFFFF);
        m_housingTypes = AddToTab<CComboBox>(u"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
            RECT { 15, 95, 320, 115 + kDropHeight }, IdHousingType);
        AddToTab<CStatic>(u"STATIC", Tr(StringId::FrameTypesLabel), SS_LEFT, RECT { 15, 120, 320, 135 }, 0xFFFF);
        m_frameTypes = AddToTab<CComboBox>(u"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
            RECT { 15, 135, 320, 155 + kDropHeight }, IdFrameType);
        FillTypeCombo(m_housingTypes, store->HousingTypes(), 0);
        FillTypeCombo(m_frameTypes, store->FrameTypes(), 0);
    } else if (tab == ExistingHousing) {
        m_housings = AddToTab<CListBox>(u"LISTBOX", u"", LBS_NOTIFY | LBS_SORT | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
            RECT { 15, 85, 320, 300 }, IdHousings);
        for (const auto& [id, housing] : store->Housings()) {
            if (housing.is_delete)
                continue;
            std::u16string shown = housing.name;
            // A hive housing another colony says which, so that it is not taken unawares.
            const CPointFamilyCache::Family* owner = GetPointFamilyCache()->FindFamily(housing.id_family);
            if (owner && housing.id_family != m_idFamily)
                shown += u" (" + owner->name + u")";
            m_housings->SetItemData(m_housings->AddString(shown), static_cast<std::uintptr_t>(id));
        }
        m_housings->SetCurSel(0);
    }
    m_nameEdit->SetWindowText(u"");
    UpdateOk();
}

void CAddHousingDialog::UpdateOk()
{
    // An existing hive needs one to be chosen, a new hive or a plain name needs the name.
    const bool ready = m_mode == ExistingHousing ? m_housings && m_housings->GetCurSel() >= 0
                                                 : m_nameEdit->GetWindowTextLength() > 0;
    GetDlgItem(IDOK)->EnableWindow(ready);
}

BOOL CAddHousingDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IdName && HIWORD(wParam) == EN_CHANGE && m_nameEdit) {
        if (m_mode == ExistingHousing && m_housings)
            SelectByPrefix(m_housings, m_nameEdit->GetWindowText());
        UpdateOk();
        return TRUE;
    }
    if (LOWORD(wParam) == IdHousings && HIWORD(wParam) == LBN_SELCHANGE) {
        UpdateOk();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CAddHousingDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom == IdTab && header->code == TCN_SELCHANGING) {
        ClearTab();
        *result = 0;
        return TRUE;
    }
    if (header->idFrom == IdTab && header->code == TCN_SELCHANGE) {
        BuildTab(static_cast<Tab>(static_cast<CTabCtrl*>(GetDlgItem(IdTab))->GetCurSel()));
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CAddHousingDialog::OnOK()
{
    // Enter in the name edit confirms even while OK is disabled.
    if (!GetDlgItem(IDOK)->IsWindowEnabled())
        return;
    const std::u16string name = m_nameEdit->GetWindowText();
    if (m_mode == NewHousing) {
        HousingRecord housing;
        housing.name = name;
        housing.type_housing = ChosenType(m_housingTypes);
        housing.type_frame = ChosenType(m_frameTypes);
        housing.id_family = m_idFamily;
        const std::int32_t idAdded = m_journal.AddHousing(housing);
        // The database refused the hive and has said why; the dialog keeps what was typed.
        if (idAdded == 0)
            return;
        m_idHousing = idAdded;
        m_name = name;
    } else if (m_mode == ExistingHousing) {
        const auto idChosen = static_cast<std::int32_t>(m_housings->GetItemData(m_housings->GetCurSel()));
        if (!TakeHousing(idChosen))
            return;
        m_idHousing = idChosen;
        m_name = GetHousingCache()->FindHousing(idChosen)->name;
    } else {
        m_idHousing = 0;
        m_name = name;
    }
    CDialog::OnOK();
}

bool CAddHousingDialog::TakeHousing(std::int32_t idHousing)
{
    const CHousingCache::Housing* housing = GetHousingCache()->FindHousing(idHousing);
    if (m_idFamily == 0 || housing->id_family == m_idFamily)
        return true;
    if (const CPointFamilyCache::Family* owner = GetPointFamilyCache()->FindFamily(housing->id_family)) {
        const std::u16string question = Tr(StringId::HiveOfOtherColony) + u" " + owner->name + u"\n"
            + Tr(StringId::MoveHiveQuestion);
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    return m_journal.MoveHousing(idHousing, m_idFamily);
}

HousingPicker AddHousingDialogPicker(IJournalComponent& journal)
{
    return [&journal](CWnd* parent, std::int32_t idFamily) -> std::optional<PickedHousing> {
        CAddHousingDialog dialog(journal, parent, idFamily);
        if (dialog.DoModal() != IDOK)
            return std::nullopt;
        return PickedHousing { dialog.GetId(), dialog.GetName() };
    };
}
