#pragma once

#include <cstdint>

// What user fields, their groups of values and a page's rows belong to. The journal stores the
// number (user_fields.itable), so the numbers never change.
enum class OwnerKind : std::int32_t
{
    None = 0,
    Site = 1,
    Colony = 2,
    Record = 3,
};

// The number the journal stores for the kind.
constexpr std::int32_t Stored(OwnerKind kind)
{
    return static_cast<std::int32_t>(kind);
}
