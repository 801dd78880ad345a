#include "AddFamilyOperation.h"

#include "FamiliesTable.h"
#include "FieldValuesOperation.h"

void CAddFamilyOperation::Add(IDatabase* database)
{
    CFieldValuesOperation fieldValues;
    fieldValues.record.itable = OwnerKind::Colony;
    fieldValues.record.values = record.values;
    fieldValues.Add(database);

    CFamiliesTable families;
    families.record.name = record.name;
    families.record.id_point = record.id_point;
    families.record.type = record.type;
    families.record.note = record.note;
    families.record.id_record = fieldValues.record.id_record;
    families.Insert(database);

    record.id_family = families.record.id_family;
    record.id_record = fieldValues.record.id_record;
}
