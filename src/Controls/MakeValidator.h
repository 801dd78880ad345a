#pragma once

#include "IValidate.h"

#include <memory>

// The validator a control property describes: "SymbolValid" gives a mask validator,
// "ValueValid" a range validator (keys compared case-sensitively); any other key gives none.
std::unique_ptr<IValidate> MakeValidator(const std::u16string& key, const std::u16string& value);
