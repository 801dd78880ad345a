#include "HousingManagerDialog.h"

#include "DeleteQuestion.h"
#include "DialogTemplates.h"
#include "HousingCache.h"
#include "HousingDialog.h"
#include "IJournalComponent.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "SelectByPrefix.h"
#include "StringIds.h"
#include "Tr.h"

namespace {
std::u16string TypeName(const std::map<std::int32_t, std::u16string>& types, std::int32_t id)
{
    const auto found = types.find(id);
    return found != types.end() ? found->second : std::u16string();
}

constexpr std::pair<UINT, std::int32_t> kCaptions[] = {
    { IDOK, StringId::ButtonClose },
    { CHousingManagerDialog::IdGroup, StringId::HousingDialogTitle },
    { CHousingManagerDialog::IdNew, StringId::ButtonAdd },
    { CHousingManagerDialog::IdChange, StringId::ButtonChange },
    { CHousingManagerDialog::IdDelete, StringId::ButtonDelete },
    { CHousingManagerDialog::IdNameLabel, StringId::HousingNameLabel },
    { CHousingManagerDialog::IdHousingTypeLabel, StringId::HousingTypeLabel },
    { CHousingManagerDialog::IdFrameTypeLabel, StringId::FrameTypeLabel },
};
}

CHousingManagerDialog::CHousingManagerDialog(IJournalComponent& journal, CWnd* parent)
    : CDialog(IDD_HOUSING_MANAGER, parent)
    , m_journal(journal)
{
}

CListBox* CHousingManagerDialog::FreeHousings() const
{
    return static_cast<CListBox*>(GetDlgItem(IdFreeHousings));
}

CTreeCtrl* CHousingManagerDialog::Tree() const
{
    return static_cast<CTreeCtrl*>(GetDlgItem(IdTree));
}

BOOL CHousingManagerDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::HousingManagerTitle));
    for (const auto& [id, text] : kCaptions)
        GetDlgItem(static_cast<int>(id))->SetWindowText(Tr(text));
    const CHousingCache* store = GetHousingCache();
    for (std::int32_t idHousing : store->HousingsOf(0)) {
        if (const HousingRecord* housing = store->FindHousing(idHousing))
            FreeHousings()->SetItemData(FreeHousings()->AddString(housing->name), static_cast<std::uintptr_t>(idHousing));
    }
    FillTree();
    UpdateButtons();
    return TRUE;
}

HTREEITEM CHousingManagerDialog::AddHousingItem(std::int32_t idHousing, HTREEITEM familyItem)
{
    const HousingRecord* housing = GetHousingCache()->FindHousing(idHousing);
    HTREEITEM item = Tree()->InsertItem(housing ? housing->name : std::u16string(), familyItem, TVI_SORT);
    Tree()->SetItemData(item, static_cast<std::uintptr_t>(idHousing) | HousingBit);
    m_housingItems[idHousing] = item;
    return item;
}

void CHousingManagerDialog::FillTree()
{
    m_housingItems.clear();
    const CPointFamilyCache* sites = GetPointFamilyCache();
    for (const auto& [idPoint, point] : sites->Points()) {
        HTREEITEM pointItem = Tree()->InsertItem(point.name, TVI_ROOT, TVI_SORT);
        Tree()->SetItemData(pointItem, 0);
        for (std::int32_t idFamily : sites->FamiliesOf(idPoint)) {
            const CPointFamilyCache::Family* family = sites->FindFamily(idFamily);
            if (!family)
                continue;
            HTREEITEM familyItem = Tree()->InsertItem(family->name, pointItem, TVI_SORT);
            Tree()->SetItemData(familyItem, static_cast<std::uintptr_t>(idFamily));
            for (std::int32_t idHousing : GetHousingCache()->HousingsOf(idFamily))
                AddHousingItem(idHousing, familyItem);
            Tree()->Expand(familyItem, TVE_EXPAND);
        }
        // The tree has no expand buttons: every branch starts open.
        Tree()->Expand(pointItem, TVE_EXPAND);
    }
}

HTREEITEM CHousingManagerDialog::FindHousingItem(std::int32_t idHousing) const
{
    const auto found = m_housingItems.find(idHousing);
    return found != m_housingItems.end() ? found->second : nullptr;
}

std::int32_t CHousingManagerDialog::SelectedFreeHousing() const
{
    const int index = FreeHousings()->GetCurSel();
    return index < 0 ? 0 : static_cast<std::int32_t>(FreeHousings()->GetItemData(index));
}

void CHousingManagerDialog::UpdateButtons()
{
    const bool freeChosen = FreeHousings()->GetCurSel() >= 0;
    HTREEITEM item = Tree()->GetSelectedItem();
    const std::uintptr_t data = item ? Tree()->GetItemData(item) : 0;
    const bool housingChosen = (data & HousingBit) != 0;
    const bool familyChosen = data != 0 && !housingChosen;
    GetDlgItem(IdChange)->EnableWindow(freeChosen);
    GetDlgItem(IdDelete)->EnableWindow(freeChosen);
    GetDlgItem(IdRelease)->EnableWindow(housingChosen);
    GetDlgItem(IdAssign)->EnableWindow(freeChosen && (familyChosen || housingChosen));
}

void CHousingManagerDialog::ShowHousing()
{
    const CHousingCache* store = GetHousingCache();
    const HousingRecord* housing = store->FindHousing(SelectedFreeHousing());
    GetDlgItem(IdName)->SetWindowText(housing ? housing->name : std::u16string());
    GetDlgItem(IdHousingType)->SetWindowText(housing ? TypeName(store->HousingTypes(), housing->type_housing) : u"");
    GetDlgItem(IdFrameType)->SetWindowText(housing ? TypeName(store->FrameTypes(), housing->type_frame) : u"");
}

void CHousingManagerDialog::ListHousing(std::int32_t idHousing)
{
    const HousingRecord* housing = GetHousingCache()->FindHousing(idHousing);
    const int index = FreeHousings()->AddString(housing ? housing->name : std::u16string());
    FreeHousings()->SetItemData(index, static_cast<std::uintptr_t>(idHousing));
    FreeHousings()->SetCurSel(index);
    ShowHousing();
    UpdateButtons();
}

void CHousingManagerDialog::NewHousing()
{
    CHousingDialog dialog(m_journal);
    if (dialog.DoModal() == IDOK)
        ListHousing(dialog.GetId());
}

void CHousingManagerDialog::ChangeHousing()
{
    const int index = FreeHousings()->GetCurSel();
    if (index < 0)
        return;
    CHousingDialog dialog(m_journal, SelectedFreeHousing());
    if (dialog.DoModal() != IDOK)
        return;
    FreeHousings()->DeleteString(index);
    ListHousing(dialog.GetId());
}

void CHousingManagerDialog::DeleteHousing()
{
    const int index = FreeHousings()->GetCurSel();
    const std::int32_t idHousing = SelectedFreeHousing();
    const HousingRecord* housing = GetHousingCache()->FindHousing(idHousing);
    if (index < 0 || !housing)
        return;
    const std::u16string question = DeleteHiveQuestion(housing->name);
    if (MessageBoxW(this, question, Tr(StringId::RemoveHousingQuestion), MB_YESNO) != IDYES)
        return;
    if (!m_journal.DeleteHousing(idHousing))
        return;
    FreeHousings()->DeleteString(index);
    ShowHousing();
    UpdateButtons();
}

void CHousingManagerDialog::Assign()
{
    HTREEITEM target = Tree()->GetSelectedItem();
    const int index = FreeHousings()->GetCurSel();
    if (!target || index < 0)
        return;
    if (Tree()->GetItemData(target) & HousingBit)
        target = Tree()->GetParentItem(target);
    const auto idFamily = static_cast<std::int32_t>(Tree()->GetItemData(target));
    const std::int32_t idHousing = SelectedFreeHousing();
    if (!m_journal.MoveHousing(idHousing, idFamily))
        return;
    FreeHousings()->DeleteString(index);
    Tree()->SelectItem(AddHousingItem(idHousing, target));
    ShowHousing();
    UpdateButtons();
}

void CHousingManagerDialog::Release()
{
    HTREEITEM item = Tree()->GetSelectedItem();
    if (!item || !(Tree()->GetItemData(item) & HousingBit))
        return;
    const auto idHousing = static_cast<std::int32_t>(Tree()->GetItemData(item) & ~HousingBit);
    if (!m_journal.MoveHousing(idHousing, 0))
        return;
    HTREEITEM familyItem = Tree()->GetParentItem(item);
    m_housingItems.erase(idHousing);
    Tree()->DeleteItem(item);
    Tree()->SelectItem(familyItem);
    ListHousing(idHousing);
}

BOOL CHousingManagerDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id == IdSearch && HIWORD(wParam) == EN_CHANGE) {
        if (SelectByPrefix(FreeHousings(), GetDlgItem(IdSearch)->GetWindowText())) {
            ShowHousing();
            UpdateButtons();
        }
        return TRUE;
    }
    if (id == IdFreeHousings && HIWORD(wParam) == LBN_SELCHANGE) {
        ShowHousing();
        UpdateButtons();
        return TRUE;
    }
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IdNew:
        NewHousing();
        return TRUE;
    case IdChange:
        ChangeHousing();
        return TRUE;
    case IdDelete:
        DeleteHousing();
        return TRUE;
    case IdAssign:
        Assign();
        return TRUE;
    case IdRelease:
        Release();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CHousingManagerDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom == IdTree && header->code == TVN_SELCHANGED) {
        UpdateButtons();
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}
