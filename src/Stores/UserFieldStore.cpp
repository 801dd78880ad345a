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
    m_fieldsLoaded = false;
    m_path = path;
}

void CUserFieldStore::LoadFieldsIfDue() const
{
    if (m_fieldsLoaded)
        return;
    CDatabaseLease database(m_path);
    m_fieldsLoaded = true;
    CUserFieldsTable fields;
    const ReleasePtr<IResult> fieldRows(fields.Select(database.get()));
    for (const auto* field : RecordsOf<CUserFieldsTable::content>(fieldRows.get()))
        m_fields[static_cast<OwnerKind>(field->itable)].push_back({ field->name, field->type });
}

const std::vector<CUserFieldStore::Field>& CUserFieldStore::Fields(OwnerKind owner) const
{
    LoadFieldsIfDue();
    return m_fields[owner];
}

const FieldValues* CUserFieldStore::Group(std::int32_t idRecord) const
{
    if (idRecord == 0)
        return nullptr;
    auto found = m_groups.find(idRecord);
    if (found != m_groups.end())
        return &found->second;
    CDatabaseLease database(m_path);
    CFieldValuesTable values;
    values.record.id_record = idRecord;
    FieldValues group;
    const ReleasePtr<IResult> valueRows(values.Select(database.get()));
    for (const auto* value : RecordsOf<CFieldValuesTable::content>(valueRows.get()))
        group[value->name] = value->value;
    return &m_groups.emplace(idRecord, std::move(group)).first->second;
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
    if (m_fieldsLoaded)
        m_fields[owner].push_back(field);
}

void CUserFieldStore::RemoveField(OwnerKind owner, const std::u16string& name)
{
    if (m_fieldsLoaded)
        std::erase_if(m_fields[owner], [&name](const Field& field) { return field.name == name; });
}

void CUserFieldStore::SetValues(std::int32_t idRecord, const FieldValues& values)
{
    // A group not read yet is read with the change from the file when it is asked for.
    const auto found = m_groups.find(idRecord);
    if (found == m_groups.end())
        return;
    for (const auto& [name, value] : values)
        found->second[name] = value;
}

void CUserFieldStore::RemoveGroup(std::int32_t idRecord)
{
    m_groups.erase(idRecord);
}

CUserFieldStore* GetUserFieldStore()
{
    static CUserFieldStore store;
    return &store;
}
