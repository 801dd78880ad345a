#include "UserFieldStore.h"

#include "DatabaseManager.h"
#include "FieldValuesTable.h"
#include "Result.h"
#include "UserFieldsTable.h"

#include <algorithm>

void CUserFieldStore::LoadOnFirstUse(const std::u16string& path)
{
    m_fields.clear();
    m_groups.clear();
    m_path = path;
}

void CUserFieldStore::LoadIfDue() const
{
    if (Loaded())
        return;
    CDatabaseLease database(*m_path);
    m_path.reset();
    CUserFieldsTable fields;
    const ReleasePtr<IResult> fieldRows(fields.Select(database.get()));
    for (const auto* field : RecordsOf<CUserFieldsTable::content>(fieldRows.get()))
        m_fields[static_cast<OwnerKind>(field->itable)].push_back({ field->name, field->type });
    CFieldValuesTable values;
    const ReleasePtr<IResult> valueRows(values.Select(database.get()));
    for (const auto* value : RecordsOf<CFieldValuesTable::content>(valueRows.get()))
        m_groups[value->id_record][value->name] = value->value;
}

const std::vector<CUserFieldStore::Field>& CUserFieldStore::Fields(OwnerKind owner) const
{
    LoadIfDue();
    return m_fields[owner];
}

const FieldValues* CUserFieldStore::Group(std::int32_t idRecord) const
{
    if (idRecord == 0)
        return nullptr;
    LoadIfDue();
    const auto found = m_groups.find(idRecord);
    return found != m_groups.end() ? &found->second : nullptr;
}

std::u16string CUserFieldStore::Value(std::int32_t idRecord, const std::u16string& name) const
{
    const FieldValues* group = Group(idRecord);
    if (!group)
        return {};
    const auto found = group->find(name);
    return found != group->end() ? found->second : std::u16string();
}

FieldValues CUserFieldStore::ValuesOf(std::int32_t idRecord) const
{
    const FieldValues* group = Group(idRecord);
    return group ? *group : FieldValues();
}

void CUserFieldStore::AddField(OwnerKind owner, const Field& field)
{
    if (Loaded())
        m_fields[owner].push_back(field);
}

void CUserFieldStore::RemoveField(OwnerKind owner, const std::u16string& name)
{
    if (Loaded())
        std::erase_if(m_fields[owner], [&name](const Field& field) { return field.name == name; });
}

void CUserFieldStore::SetValues(std::int32_t idRecord, const FieldValues& values)
{
    if (!Loaded() || idRecord == 0)
        return;
    for (const auto& [name, value] : values)
        m_groups[idRecord][name] = value;
}

void CUserFieldStore::RemoveGroup(std::int32_t idRecord)
{
    if (Loaded())
        m_groups.erase(idRecord);
}

CUserFieldStore* GetUserFieldStore()
{
    static CUserFieldStore store;
    return &store;
}
