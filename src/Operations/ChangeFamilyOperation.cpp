#include "ChangeFamilyOperation.h"

#include "FamiliesTable.h"
#include "FieldValuesOperation.h"

void CChangeFamilyOperation::Update(IDatabase* database)
{
    // Key 0 would select every colony and hand another colony's values group to this change.
    if (record.id_family == 0)
        return;
    CFamiliesTable families;
    families.record.id_family = record.id_family;
    const auto stored = SelectFirst(database, families);
    // A row another program removed gets no value group written for it.
    if (!stored)
        return;

    CFieldValuesOperation fieldValues;
    fieldValues.record.id_record = stored->id_record;
    fieldValues.record.itable = OwnerKind::Colony;
    fieldValues.record.values = record.values;
    fieldValues.Update(database);

    families.record.id_family = record.id_family;
    families.record.id_point = stored->id_point;
    families.record.name = record.name;
    families.record.type = record.type;
    families.record.note = record.note;
    families.record.id_record = fieldValues.record.id_record;
    families.Update(database);

    record.id_record = fieldValues.record.id_record;
}
