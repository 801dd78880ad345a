#include "TypeCombo.h"

#include "ComboBox.h"

void FillTypeCombo(CComboBox* combo, const std::map<std::int32_t, std::u16string>& types, std::int32_t chosen)
{
    for (const auto& [id, name] : types) {
        const int index = combo->AddString(name);
        combo->SetItemData(index, static_cast<std::uintptr_t>(id));
        if (id == chosen)
            combo->SetCurSel(index);
    }
    if (combo->GetCurSel() < 0 && combo->GetCount() > 0)
        combo->SetCurSel(0);
}

std::int32_t ChosenType(const CComboBox* combo)
{
    const int index = combo->GetCurSel();
    return index < 0 ? 0 : static_cast<std::int32_t>(combo->GetItemData(index));
}
