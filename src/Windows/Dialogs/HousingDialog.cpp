#include "HousingDialog.h"

#include "ComboBox.h"
#include "DialogTemplates.h"
#include "HousingCache.h"
#include "IJournalComponent.h"
#include "IVisualComponent.h"
#include "IWnd.h"
#include "StringIds.h"
#include "Tr.h"
#include "TypeCombo.h"
#include "VisualManager.h"

namespace {
CWnd* JournalWindow()
{
    IVisualComponent* journal = GetVisualManager()->FindComponent(StringId::JournalName);
    auto* window = journal ? dynamic_cast<CWnd*>(journal->GetWindow()) : nullptr;
    return window && window->IsCreated() ? window : nullptr;
}
}

CHousingDialog::CHousingDialog(IJournalComponent& journal, std::int32_t idHousing)
    : CDialog(IDD_HOUSING, JournalWindow())
    , m_journal(journal)
    , m_idHousing(idHousing)
    , m_editing(idHousing != 0)
{
    const CHousingCache* store = GetHousingCache();
    if (const HousingRecord* housing = store->FindHousing(idHousing))
        m_housing = *housing;
    m_housingTypes = store->HousingTypes();
    m_frameTypes = store->FrameTypes();
}

BOOL CHousingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::HousingDialogTitle));
    GetDlgItem(IdNameLabel)->SetWindowText(Tr(StringId::HousingNameLabel));
    GetDlgItem(IdHousingTypeLabel)->SetWindowText(Tr(StringId::HousingTypeLabel));
    GetDlgItem(IdFrameTypeLabel)->SetWindowText(Tr(StringId::FrameTypeLabel));
    GetDlgItem(IDOK)->SetWindowText(Tr(m_editing ? StringId::ButtonChange : StringId::ButtonAdd));
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonCancel));
    GetDlgItem(IdName)->SetWindowText(m_housing.name);
    FillTypeCombo(static_cast<CComboBox*>(GetDlgItem(IdHousingType)), m_housingTypes, m_housing.type_housing);
    FillTypeCombo(static_cast<CComboBox*>(GetDlgItem(IdFrameType)), m_frameTypes, m_housing.type_frame);
    return TRUE;
}

void CHousingDialog::OnOK()
{
    HousingRecord housing = m_housing;
    housing.name = GetDlgItem(IdName)->GetWindowText();
    housing.type_housing = ChosenType(static_cast<CComboBox*>(GetDlgItem(IdHousingType)));
    housing.type_frame = ChosenType(static_cast<CComboBox*>(GetDlgItem(IdFrameType)));
    if (m_editing) {
        if (!m_journal.ChangeHousing(m_idHousing, housing))
            return;
    } else {
        const std::int32_t idAdded = m_journal.AddHousing(housing);
        if (idAdded == 0)
            return;
        m_idHousing = idAdded;
    }
    m_housing = housing;
    CDialog::OnOK();
}
