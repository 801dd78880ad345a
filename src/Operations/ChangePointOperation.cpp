#include "ChangePointOperation.h"

#include "FieldValuesOperation.h"
#include "PointsTable.h"

void CChangePointOperation::Update(IDatabase* database)
{
    // Key 0 would select every site and hand another site's values group to this change.
    if (record.id_point == 0)
        return;
    CPointsTable points;
    points.record.id_point = record.id_point;
    const auto stored = SelectFirst(database, points);
    // A row another program removed gets no value group written for it.
    if (!stored)
        return;

    CFieldValuesOperation fieldValues;
    fieldValues.record.id_record = stored->id_record;
    fieldValues.record.itable = OwnerKind::Site;
    fieldValues.record.values = record.values;
    fieldValues.Update(database);

    points.record.id_point = record.id_point;
    points.record.name = record.name;
    points.record.note = record.note;
    points.record.id_record = fieldValues.record.id_record;
    points.Update(database);

    record.id_record = fieldValues.record.id_record;
}
