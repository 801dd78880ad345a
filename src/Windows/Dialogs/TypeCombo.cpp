#include "TypeCombo.h"

#include "ComboBox.h"
#include "StringIds.h"
#include "Tr.h"

namespace {
// A hive without a type holds 0; in journals whose dictionary has no type 0 it is its own entry.
constexpr std::int32_t kNoType = 0;
}

void FillTypeCombo(CComboBox* combo, const std::map<std::int32_t, std::u16string>& types, std::int32_t chosen)
{
    for (const auto& [id, name] : types) {
        const int index = combo->AddString(name);
        combo->SetItemData(index, static_cast<std::uintptr_t>(id));
    }
    if (!types.contains(kNoType)) {
        combo->InsertString(0, Tr(StringId::NoType));
        combo->SetItemData(0, static_cast<std::uintptr_t>(kNoType));
    }
    for (int index = 0; index < combo->GetCount(); ++index) {
        if (static_cast<std::int32_t>(combo->GetItemData(index)) == chosen)
            combo->SetCurSel(index);
    }
    if (combo->GetCurSel() < 0 && combo->GetCount() > 0)
        combo->SetCurSel(0);
}

std::int32_t ChosenType(const CComboBox* combo)
{
    const int index = combo->GetCurSel();
    return index < 0 ? kNoType : static_cast<std::int32_t>(combo->GetItemData(index));
}
