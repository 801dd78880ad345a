#include "FieldValuesOperation.h"

#include "FieldValuesTable.h"
#include "UserFieldsTable.h"

void CFieldValuesOperation::Add(IDatabase* database)
{
    if (record.itable == OwnerKind::None)
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
        if (!SelectFirst(database, fieldValues)) {
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
    userFields.record.itable = Stored(record.itable);
    userFields.record.name = name;
    const auto field = SelectFirst(database, userFields);
    return field ? field->type : 1;
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
