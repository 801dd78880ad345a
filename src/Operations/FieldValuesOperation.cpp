#include "FieldValuesOperation.h"

#include "FieldValuesTable.h"
#include "Result.h"
#include "UserFieldsTable.h"

void CFieldValuesOperation::Add(IDatabase* database)
{
    if (record.itable == 0)
        return;
    CFieldValuesTable fieldValues;
    record.id_record = record.values.empty() ? 0 : fieldValues.GetMaxIdRecord(database) + 1;
    for (const auto& [name, value] : record.values)
        Insert(database, name, value);
}

void CFieldValuesOperation::Update(IDatabase* database)
{
    for (const auto& [name, value] : record.values) {
        CFieldValuesTable fieldValues;
        if (record.id_record == 0)
            record.id_record = fieldValues.GetMaxIdRecord(database) + 1;
        fieldValues.record.id_record = record.id_record;
        fieldValues.record.name = name;
        const ReleasePtr<IResult> stored(fieldValues.Select(database));
        if (stored->GetCount() == 0) {
            Insert(database, name, value);
            continue;
        }
        fieldValues.record.id_record = record.id_record;
        fieldValues.record.name = name;
        fieldValues.record.value = value;
        fieldValues.Update(database);
    }
}

// The type the user gave the field; 1 (text) for a field that is not listed.
std::int32_t CFieldValuesOperation::TypeOf(IDatabase* database, const std::u16string& name) const
{
    CUserFieldsTable userFields;
    userFields.record.itable = record.itable;
    userFields.record.name = name;
    const ReleasePtr<IResult> fields(userFields.Select(database));
    const auto rows = RecordsOf<CUserFieldsTable::content>(fields.get());
    return rows.empty() ? 1 : rows.front()->type;
}

void CFieldValuesOperation::Insert(IDatabase* database, const std::u16string& name, const std::u16string& value) const
{
    CFieldValuesTable fieldValues;
    fieldValues.record.id_record = record.id_record;
    fieldValues.record.name = name;
    fieldValues.record.value = value;
    fieldValues.record.type = TypeOf(database, name);
    fieldValues.Insert(database);
}
