#include "TableImportHandler.h"

#include "AddFamilyOperation.h"
#include "AddInspectOperation.h"
#include "AddPointOperation.h"
#include "HousingsTable.h"
#include "ImportPlan.h"
#include "JournalChanges.h"
#include "JournalStores.h"
#include "KeptBackups.h"

#include <vector>

namespace {
constexpr char16_t kImportTable[] = u"Import Table";

std::int32_t IdOf(const ImportRef& ref, const std::vector<std::int32_t>& added)
{
    return ref.added >= 0 ? added[static_cast<std::size_t>(ref.added)] : ref.id;
}

void Write(IDatabase* database, const ImportPlan& plan)
{
    std::vector<std::int32_t> sites;
    for (const std::u16string& name : plan.newSites) {
        CAddPointOperation site;
        site.record.name = name;
        site.Add(database);
        sites.push_back(site.record.id_point);
    }
    std::vector<std::int32_t> colonies;
    for (const ImportPlan::Colony& added : plan.newColonies) {
        CAddFamilyOperation colony;
        colony.record.name = added.name;
        colony.record.id_point = IdOf(added.site, sites);
        colony.Add(database);
        colonies.push_back(colony.record.id_family);
    }
    std::vector<std::int32_t> hives;
    for (const ImportPlan::Hive& added : plan.newHives) {
        CHousingsTable hive;
        hive.record.name = added.name;
        hive.record.id_family = IdOf(added.colony, colonies);
        hive.Insert(database);
        hives.push_back(hive.record.id_housing);
    }
    for (const ImportPlan::Record& row : plan.records) {
        if (database->HasError())
            return;
        CAddInspectOperation record;
        record.record.id_family = IdOf(row.colony, colonies);
        static_cast<JournalVisit&>(record.record) = row.visit;
        record.record.values = row.values;
        if (row.hiveLine) {
            InspectHousing line;
            line.id_housing = IdOf(row.hive, hives);
            line.name_housing = row.hiveName;
            line.brood = row.brood;
            line.honey = row.honey;
            record.record.hives.push_back(line);
        }
        record.Add(database);
    }
}
}

std::optional<std::size_t> CTableImportHandler::Import(const SheetTable& table, const ImportMapping& mapping, std::int32_t defaultColony)
{
    if (RefusedWhileHeld())
        return std::nullopt;
    ReadAgainIfChanged(CDatabaseLease().get());
    if (PlanTableImport(table, mapping, defaultColony).records.empty()) {
        TellUser(StringId::ImportTableNothing);
        return std::nullopt;
    }
    if (JournalBackups().BackUp().empty()) {
        TellUser(StringId::ImportBackupFailed);
        return std::nullopt;
    }
    std::size_t added = 0;
    // The plan is made again with the stores as the transaction finds them.
    const bool stored = InTransaction(kImportTable, [&](IDatabase* database) {
        const ImportPlan plan = PlanTableImport(table, mapping, defaultColony);
        Write(database, plan);
        added = plan.records.size();
    });
    if (!stored)
        return std::nullopt;
    ReloadJournalStores(CDatabaseLease().get());
    return added;
}
