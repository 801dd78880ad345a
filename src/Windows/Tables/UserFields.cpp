#include "UserFields.h"

CUserFields::CUserFields(OwnerKind owner)
    : m_store(GetUserFieldStore())
    , m_fields(m_store->Fields(owner))
{
}

std::u16string CUserFields::Value(std::int32_t idRecord, const std::u16string& name) const
{
    return m_store->Value(idRecord, name);
}
