#include "AddPointOperation.h"

#include "FieldValuesOperation.h"
#include "PointsTable.h"

void CAddPointOperation::Add(IDatabase* database)
{
    CFieldValuesOperation fieldValues;
    fieldValues.record.itable = OwnerKind::Site;
    fieldValues.record.values = record.values;
    fieldValues.Add(database);

    CPointsTable points;
    points.record.name = record.name;
    points.record.note = record.note;
    points.record.id_record = fieldValues.record.id_record;
    points.Insert(database);

    record.id_point = points.record.id_point;
    record.id_record = fieldValues.record.id_record;
}
