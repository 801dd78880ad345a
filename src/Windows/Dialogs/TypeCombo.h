#pragma once

#include <cstdint>
#include <map>
#include <string>

class CComboBox;

// A drop-down list of a type dictionary: each entry keeps its type id, and "no type" comes first
// unless the dictionary has a type 0 (older journals). The chosen type is selected, the first
// entry when it is not there.
void FillTypeCombo(CComboBox* combo, const std::map<std::int32_t, std::u16string>& types, std::int32_t chosen);
// The id of the selected entry, 0 when none is.
std::int32_t ChosenType(const CComboBox* combo);
