#include "InspectFields.h"

void CopyVisitColumns(const InspectFields& fields, CJournalTable::content& row)
{
    row.date = fields.date;
    row.frame = fields.frame;
    row.strength = fields.strength;
    row.is_queen_bee = fields.is_queen_bee;
    row.wax = fields.wax;
    row.ambrosia = fields.ambrosia;
    row.evacuation = fields.evacuation;
    row.dieting = fields.dieting;
    row.disease = fields.disease;
    row.note = fields.note;
}
