#pragma once

#include "OwnerKind.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The user's own fields of one owner kind with all stored values, read once for a table's rebuild
// instead of once per row.
class CUserFields
{
public:
    struct Field
    {
        std::u16string name;
        std::int32_t type = 1;
    };

    explicit CUserFields(OwnerKind owner);

    const std::vector<Field>& Fields() const { return m_fields; }
    // The value of the field in the group; empty when the group has none.
    std::u16string Value(std::int32_t idRecord, const std::u16string& name) const;

private:
    std::vector<Field> m_fields;
    std::map<std::pair<std::int32_t, std::u16string>, std::u16string> m_values;
};
