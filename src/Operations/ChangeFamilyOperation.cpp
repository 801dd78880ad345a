#include "ChangeFamilyOperation.h"

#include "FamiliesTable.h"
#include "FieldValuesOperation.h"
#include "Result.h"

void CChangeFamilyOperation::Update(IDatabase* database)
{
    // Key 0 would select every colony and hand another colony's values group to this change.
    if (record.id_family == 0)
        return;
    CFamiliesTable families;
    families.record.id_family = record.id_family;
    std::int32_t group = 0;
    std::int32_t point = 0;
    {
        const ReleasePtr<IResult> stored(families.Select(database));
        const auto rows = RecordsOf<CFamiliesTable::content>(stored.get());
        if (!rows.empty()) {
            group = rows.front()->id_record;
            point = rows.front()->id_point;
        }
    }

    CFieldValuesOperation fieldValues;
    fieldValues.record.id_record = group;
    fieldValues.record.itable = 2;
    fieldValues.record.values = record.values;
    fieldValues.Update(database);

    families.record.id_family = record.id_family;
    families.record.id_point = point;
    families.record.name = record.name;
    families.record.type = record.type;
    families.record.note = record.note;
    families.record.id_record = fieldValues.record.id_record;
    families.Update(database);

    record.id_record = fieldValues.record.id_record;
}
