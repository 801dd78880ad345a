#include "AddInspectOperation.h"

#include "FieldValuesOperation.h"
#include "JournalTable.h"

void CAddInspectOperation::Add(IDatabase* database)
{
    CFieldValuesOperation fieldValues;
    fieldValues.record.itable = OwnerKind::Record;
    fieldValues.record.values = record.values;
    fieldValues.Add(database);

    CJournalTable journal;
    journal.record.id_family = record.id_family;
    static_cast<JournalVisit&>(journal.record) = record;
    journal.record.id_record = fieldValues.record.id_record;
    journal.Insert(database);

    record.id_journal = journal.record.id_journal;
    record.id_record = fieldValues.record.id_record;
    InsertInspectHousings(database, record.id_journal, record.hives);
}
