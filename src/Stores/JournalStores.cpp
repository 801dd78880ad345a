#include "JournalStores.h"

#include "CareCache.h"
#include "ColonyEventCache.h"
#include "DatabaseManager.h"
#include "EventManager.h"
#include "HousingCache.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "SystemAccess.h"
#include "TaskCache.h"
#include "UserFieldStore.h"

void LoadJournalStores(IDatabase* database)
{
    GetPointFamilyCache()->Load(database);
    GetJournalCache()->LoadOnFirstUse(database->GetPath());
    GetQueenBeeCache()->Load(database);
    GetHousingCache()->Load(database);
    GetUserFieldStore()->LoadOnFirstUse(database->GetPath());
    GetColonyEventCache()->Load(database);
    GetCareCache()->Load(database);
    GetTaskCache()->Load(database);
    // Freed memory lies between the records the load kept; without this the process keeps it.
    TrimFreedMemory();
}

void ReloadJournalStores(IDatabase* database)
{
    LoadJournalStores(database);
    for (const std::int32_t event :
        { EventPointsChanged, EventFamiliesChanged, EventQueenBeesChanged, EventInspectsChanged, EventHousingsChanged,
            EventCareChanged, EventTasksChanged })
        GetEventManager()->Fire(event);
}

CJournalBackups::RestoreResult RestoreJournal(CJournalBackups& backups, const std::filesystem::path& backup)
{
    const auto result = backups.Restore(backup);
    if (result != CJournalBackups::RestoreResult::Restored)
        return result;
    // The restored journal passed its check when it was backed up.
    GetDatabaseManager()->HoldForReading(false);
    ReloadJournalStores(CDatabaseLease().get());
    return result;
}
