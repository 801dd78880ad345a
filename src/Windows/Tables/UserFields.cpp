#include "UserFields.h"

#include "DatabaseManager.h"
#include "FieldValuesTable.h"
#include "Result.h"
#include "UserFieldsTable.h"

CUserFields::CUserFields(OwnerKind owner)
{
    CDatabaseLease database;
    CUserFieldsTable fields;
    fields.record.itable = Stored(owner);
    const ReleasePtr<IResult> fieldRows(fields.Select(database.get()));
    for (const auto* field : RecordsOf<CUserFieldsTable::content>(fieldRows.get()))
        m_fields.push_back({ field->name, field->type });
    if (m_fields.empty())
        return;
    CFieldValuesTable values;
    const ReleasePtr<IResult> valueRows(values.Select(database.get()));
    for (const auto* value : RecordsOf<CFieldValuesTable::content>(valueRows.get()))
        m_values[{ value->id_record, value->name }] = value->value;
}

std::u16string CUserFields::Value(std::int32_t idRecord, const std::u16string& name) const
{
    // Group 0 is no group, whatever rows carry it.
    if (idRecord == 0)
        return {};
    const auto found = m_values.find({ idRecord, name });
    return found != m_values.end() ? found->second : std::u16string();
}
