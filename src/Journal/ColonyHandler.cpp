#include "ColonyHandler.h"

#include "AddFamilyOperation.h"
#include "CareCache.h"
#include "ChangeFamilyOperation.h"
#include "ColonyEventCache.h"
#include "DatabaseManager.h"
#include "HiveHandler.h"
#include "JournalCache.h"
#include "JournalChanges.h"
#include "PointFamilyCache.h"
#include "QueenHandler.h"
#include "RecordHandler.h"
#include "TaskCache.h"
#include "UserFieldStore.h"

namespace {
bool ColonyAsShown(std::int32_t idFamily)
{
    return StillAsShown([&] { return GetPointFamilyCache()->FindFamily(idFamily); });
}
}

CColonyHandler::CColonyHandler(CRecordHandler& records, CHiveHandler& hives, CQueenHandler& queens)
    : m_records(records)
    , m_hives(hives)
    , m_queens(queens)
{
}

std::int32_t CColonyHandler::Add(FamilyData& family)
{
    if (!OwnerExists(GetPointFamilyCache()->FindPoint(family.id_point), StringId::OwnerSiteGone))
        return 0;
    CAddFamilyOperation operation;
    operation.record.name = family.name;
    operation.record.id_point = family.id_point;
    operation.record.type = family.type;
    operation.record.note = family.note;
    operation.record.values = family.values;
    if (!InTransaction(u"Add Family", [&](IDatabase* database) { operation.Add(database); }))
        return 0;
    family.id_family = operation.record.id_family;
    family.id_record = operation.record.id_record;
    GetPointFamilyCache()->AddFamily(
        family.id_family, { family.name, family.note, family.id_point, family.type, family.id_record });
    GetUserFieldStore()->SetValues(family.id_record, family.values);
    Fire({ EventFamiliesChanged });
    return family.id_family;
}

bool CColonyHandler::Update(FamilyData& family)
{
    if (family.id_family == kNoRow)
        return false;
    if (!OwnerExists(GetPointFamilyCache()->FindFamily(family.id_family), StringId::OwnerColonyGone)
        || !ColonyAsShown(family.id_family))
        return false;
    CChangeFamilyOperation operation;
    operation.record.id_family = family.id_family;
    operation.record.name = family.name;
    operation.record.type = family.type;
    operation.record.note = family.note;
    operation.record.values = family.values;
    if (!InTransaction(u"Update Family", [&](IDatabase* database) { operation.Update(database); }))
        return false;
    family.id_record = operation.record.id_record;
    // The database keeps the colony at its site; so does the store.
    if (const CPointFamilyCache::Family* stored = GetPointFamilyCache()->FindFamily(family.id_family))
        family.id_point = stored->id_point;
    GetPointFamilyCache()->SetFamily(
        family.id_family, { family.name, family.note, family.id_point, family.type, family.id_record });
    GetUserFieldStore()->SetValues(family.id_record, family.values);
    Fire({ EventFamiliesChanged });
    return true;
}

bool CColonyHandler::Rename(std::int32_t idFamily, const std::u16string& name)
{
    if (idFamily == kNoRow || !ColonyAsShown(idFamily))
        return false;
    if (!RenameRow(RenameKind::Colony, idFamily, name))
        return false;
    GetPointFamilyCache()->RenameFamily(idFamily, name);
    Fire({ EventFamiliesChanged });
    return true;
}

bool CColonyHandler::Delete(std::int32_t idFamily)
{
    if (idFamily == kNoRow || !ColonyAsShown(idFamily))
        return false;
    // Read before the transaction, whose rows the store must never take if it fails.
    const std::vector<std::int32_t> records = GetJournalCache()->RecordsOf(idFamily);
    if (!InTransaction(u"Delete Family", [&](IDatabase* database) { DeleteRows(database, idFamily, records); }))
        return false;
    Forget(idFamily);
    Fire({ EventFamiliesChanged, EventInspectsChanged, EventHousingsChanged });
    return true;
}

void CColonyHandler::DeleteRows(IDatabase* database, std::int32_t idFamily, const std::vector<std::int32_t>& records)
{
    m_queens.DetachColony(database, idFamily);
    DeleteRow(database, DeleteKind::Colony, idFamily);
    m_records.DeleteRows(database, records);
    m_hives.ReleaseColonyRows(database, idFamily);
}

void CColonyHandler::Forget(std::int32_t idFamily)
{
    m_queens.ForgetColony(idFamily);
    m_records.ForgetColony(idFamily);
    m_hives.ReleaseColony(idFamily);
    if (const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(idFamily))
        GetUserFieldStore()->RemoveGroup(family->id_record);
    GetPointFamilyCache()->RemoveFamily(idFamily);
    // Its own events went with it; the lineage of the colonies it was linked with stays.
    GetColonyEventCache()->Load(CDatabaseLease().get());
    // Its harvests went with it, and it left its treatments, feedings and tasks.
    GetCareCache()->Load(CDatabaseLease().get());
    GetTaskCache()->Load(CDatabaseLease().get());
    Fire({ EventCareChanged, EventTasksChanged });
}
