#include "AddInspectOperation.h"

#include "FieldValuesOperation.h"
#include "JournalTable.h"

void CAddInspectOperation::Add(IDatabase* database)
{
    CFieldValuesOperation fieldValues;
    fieldValues.record.itable = 3;
    fieldValues.record.values = record.values;
    fieldValues.Add(database);

    CJournalTable journal;
    journal.record.id_family = record.id_family;
    journal.record.date = record.date;
    journal.record.frame = record.frame;
    journal.record.strength = record.strength;
    journal.record.is_queen_bee = record.is_queen_bee;
    journal.record.wax = record.wax;
    journal.record.ambrosia = record.ambrosia;
    journal.record.evacuation = record.evacuation;
    journal.record.dieting = record.dieting;
    journal.record.disease = record.disease;
    journal.record.note = record.note;
    journal.record.id_record = fieldValues.record.id_record;
    journal.Insert(database);

    record.id_journal = journal.record.id_journal;
    record.id_record = fieldValues.record.id_record;
    InsertInspectHousings(database, record.id_journal, record.hives);
}
