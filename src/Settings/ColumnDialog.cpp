#include "ColumnDialog.h"

#include "ComboBox.h"
#include "DialogTemplates.h"
#include "StringIds.h"
#include "Tr.h"

#include <utility>

namespace {
// The type names in type-code order.
constexpr std::int32_t kTypeNames[] = { StringId::FieldTypeText, StringId::FieldTypeWholeNumber,
    StringId::FieldTypeDecimalNumber, StringId::FieldTypeYesNo, StringId::FieldTypeDate };

}

CColumnDialog::CColumnDialog(Mode mode, CWnd* parent, std::u16string name, std::int32_t type)
    : CDialog(IDD_COLUMN, parent)
    , m_mode(mode)
    , m_name(std::move(name))
    , m_type(type)
{
}

BOOL CColumnDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    const std::u16string confirm = Tr(m_mode == Mode::Add ? StringId::ButtonAdd : StringId::ButtonChange);
    SetWindowText(confirm);
    GetDlgItem(IDOK)->SetWindowText(confirm);
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonCancel));
    GetDlgItem(IdNameLabel)->SetWindowText(Tr(StringId::ColumnNameLabel));
    GetDlgItem(IdTypeLabel)->SetWindowText(Tr(StringId::ColumnTypeLabel));
    auto* types = static_cast<CComboBox*>(GetDlgItem(IdType));
    for (std::int32_t id : kTypeNames)
        types->AddString(Tr(id));
    const bool change = m_mode == Mode::Change && m_type >= 1 && m_type <= 5;
    types->SelectString(-1, Tr(change ? kTypeNames[m_type - 1] : StringId::FieldTypeText));
    GetDlgItem(IdName)->SetWindowText(m_name);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    return TRUE;
}

BOOL CColumnDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IdName && HIWORD(wParam) == EN_CHANGE) {
        GetDlgItem(IDOK)->EnableWindow(GetDlgItem(IdName)->GetWindowTextLength() > 0);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CColumnDialog::OnOK()
{
    m_name = GetDlgItem(IdName)->GetWindowText();
    auto* types = static_cast<CComboBox*>(GetDlgItem(IdType));
    std::u16string chosen;
    if (types->GetCurSel() >= 0)
        types->GetLBText(types->GetCurSel(), chosen);
    m_type = 1;
    for (std::int32_t code = 1; code <= 5; ++code)
        if (chosen == Tr(kTypeNames[code - 1]))
            m_type = code;
    CDialog::OnOK();
}
