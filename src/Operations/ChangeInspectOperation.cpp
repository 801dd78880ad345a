#include "ChangeInspectOperation.h"

#include "FieldValuesOperation.h"
#include "InspectTable.h"
#include "JournalTable.h"

void CChangeInspectOperation::Update(IDatabase* database)
{
    // Key 0 would select every record and delete the hive rows of all of them.
    if (record.id_journal == 0)
        return;
    CJournalTable journal;
    journal.record.id_journal = record.id_journal;
    const auto stored = SelectFirst(database, journal);
    // A row another program removed gets nothing written for it: no value group, no hive rows.
    if (!stored)
        return;

    CFieldValuesOperation fieldValues;
    fieldValues.record.id_record = stored->id_record;
    fieldValues.record.itable = OwnerKind::Record;
    fieldValues.record.values = record.values;
    fieldValues.Update(database);

    journal.record.id_journal = record.id_journal;
    static_cast<JournalVisit&>(journal.record) = record;
    journal.record.id_record = fieldValues.record.id_record;
    journal.Update(database);
    record.id_record = fieldValues.record.id_record;

    CInspectTable inspect;
    inspect.record.id_journal = record.id_journal;
    inspect.Delete(database);
    InsertInspectHousings(database, record.id_journal, record.hives);
}
