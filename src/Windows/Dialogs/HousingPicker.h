#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class CWnd;

// The hive the user chose for a record: a stored hive, or a name only (id 0).
struct PickedHousing
{
    std::int32_t id_housing = 0;
    std::u16string name;
};

// Asks the user, modally over parent, for a hive to add to a record of the colony (the add-hive
// dialog); nothing when the user cancelled.
using HousingPicker = std::function<std::optional<PickedHousing>(CWnd* parent, std::int32_t idFamily)>;
