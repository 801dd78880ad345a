#include "SchemaMigrations.h"

#include "ColonyEventQueensTable.h"
#include "CareColoniesTable.h"
#include "ColonyEventsTable.h"
#include "FeedTypesTable.h"
#include "FeedingsTable.h"
#include "HarvestSupersTable.h"
#include "HarvestsTable.h"
#include "IDatabase.h"
#include "MiteCountsTable.h"
#include "TasksTable.h"
#include "Text.h"
#include "TreatmentProductsTable.h"
#include "TreatmentsTable.h"

namespace SchemaMigrations {
const std::vector<Step>& Steps()
{
    // Step 1: the look-ups by colony, by record and by hive that reading one colony at a time needs,
    // and those of a record's own fields, which every save of a record makes.
    // Step 2: the colonies' events with the queens they touched. A later change of these tables is
    // a new step, never a change of their classes' columns.
    // Step 3: the colonies' care: treatments with their medicines, feedings with their feeds, and
    // harvests with their supers' weights.
    // Step 4: the colonies' counts of varroa mites.
    // Step 5: the beekeeper's tasks; their colonies are rows of the care's colonies.
    static const std::vector<Step> steps {
        { 1,
            { u"CREATE INDEX IF NOT EXISTS journal_by_family ON journal(id_family, date)",
                u"CREATE INDEX IF NOT EXISTS inspect_by_journal ON inspect(id_journal)",
                u"CREATE INDEX IF NOT EXISTS evacuation_by_family ON evacuation(id_family, date)",
                u"CREATE INDEX IF NOT EXISTS housings_by_family ON housings(id_family)",
                u"CREATE INDEX IF NOT EXISTS field_values_by_record ON field_values(id_record)" } },
        { 2,
            { CColonyEventsTable().CreateStatement(), CColonyEventQueensTable().CreateStatement(),
                u"CREATE INDEX colony_events_by_family ON colony_events(id_family)",
                u"CREATE INDEX colony_events_by_other_family ON colony_events(id_other_family)" } },
        { 3,
            { CTreatmentProductsTable().CreateStatement(), CTreatmentsTable().CreateStatement(),
                CFeedTypesTable().CreateStatement(), CFeedingsTable().CreateStatement(),
                CCareColoniesTable().CreateStatement(), CHarvestsTable().CreateStatement(),
                CHarvestSupersTable().CreateStatement(),
                u"CREATE INDEX care_colonies_by_family ON care_colonies(id_family)",
                u"CREATE INDEX harvests_by_family ON harvests(id_family, date)" } },
        { 4,
            { CMiteCountsTable().CreateStatement(),
                u"CREATE INDEX mite_counts_by_family ON mite_counts(id_family, date)" } },
        { kTasksStep, { CTasksTable().CreateStatement(), u"CREATE INDEX tasks_by_due ON tasks(done, due)" } },
    };
    return steps;
}

int LatestVersion()
{
    return Steps().empty() ? 0 : Steps().back().version;
}

int FileVersion(IDatabase* database)
{
    RowList rows;
    database->ExecRequest(rows, u"PRAGMA user_version");
    return rows.empty() || rows[0].empty() ? 0 : WToI(rows[0][0].second);
}

State StateOf(IDatabase* database)
{
    const int version = FileVersion(database);
    return version == LatestVersion() ? State::Current : version > LatestVersion() ? State::Newer : State::Due;
}

bool Migrate(IDatabase* database, const std::vector<Step>& steps)
{
    const int from = FileVersion(database);
    for (const Step& step : steps) {
        if (step.version <= from)
            continue;
        RowList rows;
        database->BeginTransaction(u"Schema step");
        for (const std::u16string& statement : step.statements)
            database->ExecRequest(rows, statement);
        database->ExecRequest(rows, u"PRAGMA user_version = " + IntToText(step.version));
        database->EndTransaction(u"Schema step");
        if (database->HasError())
            return false;
    }
    return true;
}
}
