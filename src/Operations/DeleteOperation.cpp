#include "DeleteOperation.h"

#include "CareColoniesTable.h"
#include "ColonyEventsTable.h"
#include "EvacuationTable.h"
#include "FamiliesTable.h"
#include "FieldValuesTable.h"
#include "HarvestSupersTable.h"
#include "HarvestsTable.h"
#include "InspectTable.h"
#include "JournalTable.h"
#include "MiteCountsTable.h"
#include "PointsTable.h"
#include "QueenBeeTable.h"

#include <map>

namespace {
// Deletes the values group of the row the table's record selects, when the row has one.
template <class Table>
void DeleteValuesGroup(IDatabase* database, Table& table)
{
    const auto row = SelectFirst(database, table);
    // Below 1 is no group; -1 would even reach every group.
    if (!row || row->id_record < 1)
        return;
    CFieldValuesTable fieldValues;
    fieldValues.record.id_record = row->id_record;
    fieldValues.Delete(database);
}

// Deletes the row of that key with the values group it owns.
template <class Table>
void DeleteOwnerRow(IDatabase* database, std::int32_t Table::content::*key, std::int32_t id)
{
    Table table;
    table.record.*key = id;
    DeleteValuesGroup(database, table);
    table.record.*key = id;
    table.Delete(database);
}
}

void CDeleteOperation::Delete(IDatabase* database)
{
    using Step = void (CDeleteOperation::*)(IDatabase*) const;
    static const std::map<DeleteKind, Step> steps = {
        { DeleteKind::Site, &CDeleteOperation::DeletePoint },
        { DeleteKind::Colony, &CDeleteOperation::DeleteFamily },
        { DeleteKind::Record, &CDeleteOperation::DeleteJournal },
        { DeleteKind::Queen, &CDeleteOperation::DeleteQueenBee },
    };
    const auto step = steps.find(record.kind);
    // The tables read key 0 as every row; a delete by key 0 would empty them.
    if (step != steps.end() && record.id != 0)
        (this->*step->second)(database);
    record.Reset();
}

void CDeleteOperation::DeletePoint(IDatabase* database) const
{
    DeleteOwnerRow<CPointsTable>(database, &CPointsTable::content::id_point, record.id);
}

void CDeleteOperation::DeleteFamily(IDatabase* database) const
{
    CEvacuationTable evacuation;
    evacuation.record.id_family = record.id;
    evacuation.Delete(database);
    // Its own events go with it; those linking it with another colony stay in that one's history.
    if (database->HasTable(u"colony_events")) {
        CColonyEventsTable events;
        events.record.id_family = record.id;
        events.Delete(database);
    }
    // Its harvests go with it; a treatment or feeding stays for its other colonies and in the
    // register of medicines, which must keep every treatment given.
    if (database->HasTable(u"care_colonies")) {
        CCareColoniesTable().DeleteOfFamily(database, record.id);
        CHarvestSupersTable().DeleteOfFamily(database, record.id);
        CHarvestsTable().DeleteOfFamily(database, record.id);
    }
    if (database->HasTable(u"mite_counts"))
        CMiteCountsTable().DeleteOfFamily(database, record.id);
    DeleteOwnerRow<CFamiliesTable>(database, &CFamiliesTable::content::id_family, record.id);
}

void CDeleteOperation::DeleteJournal(IDatabase* database) const
{
    CInspectTable inspect;
    inspect.record.id_journal = record.id;
    inspect.Delete(database);
    DeleteOwnerRow<CJournalTable>(database, &CJournalTable::content::id_journal, record.id);
}

void CDeleteOperation::DeleteQueenBee(IDatabase* database) const
{
    CQueenBeeTable queen;
    queen.record.id_queen_bee = record.id;
    queen.Delete(database);
}
