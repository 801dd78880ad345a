#pragma once

#include "OwnerKind.h"
#include "UserFieldStore.h"

#include <cstdint>
#include <string>
#include <vector>

// The user's own fields of one owner kind as a table's rebuild began with them, and their values
// from the user-field store.
class CUserFields
{
public:
    using Field = CUserFieldStore::Field;

    explicit CUserFields(OwnerKind owner);

    const std::vector<Field>& Fields() const { return m_fields; }
    // The value of the field in the group; empty when the group has none.
    std::u16string Value(std::int32_t idRecord, const std::u16string& name) const;

private:
    const CUserFieldStore* m_store;
    std::vector<Field> m_fields;
};
