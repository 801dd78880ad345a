#include "RecordHandler.h"

#include "AddInspectOperation.h"
#include "ChangeInspectOperation.h"
#include "JournalCache.h"
#include "JournalChanges.h"
#include "PointFamilyCache.h"
#include "UserFieldStore.h"

namespace {
template <class Operation>
void CopyInspect(Operation& operation, const InspectData& inspect)
{
    static_cast<JournalVisit&>(operation.record) = inspect.record;
    operation.record.values = inspect.values;
    operation.record.hives = inspect.record.hives;
}

bool RecordAsShown(std::int32_t idJournal)
{
    return StillAsShown([&] { return GetJournalCache()->FindRecord(idJournal); });
}
}

std::int32_t CRecordHandler::Add(InspectData& inspect)
{
    if (!OwnerExists(GetPointFamilyCache()->FindFamily(inspect.record.id_family), StringId::OwnerColonyGone))
        return 0;
    CAddInspectOperation operation;
    operation.record.id_family = inspect.record.id_family;
    CopyInspect(operation, inspect);
    if (!InTransaction(u"Add Inspect", [&](IDatabase* database) { operation.Add(database); }))
        return 0;
    inspect.id_journal = operation.record.id_journal;
    inspect.record.id_record = operation.record.id_record;
    GetJournalCache()->AddRecord(inspect.id_journal, inspect.record);
    GetUserFieldStore()->SetValues(inspect.record.id_record, inspect.values);
    Fire({ EventInspectsChanged });
    return inspect.id_journal;
}

bool CRecordHandler::Update(InspectData& inspect)
{
    if (inspect.id_journal == kNoRow)
        return false;
    if (!OwnerExists(GetJournalCache()->FindRecord(inspect.id_journal), StringId::OwnerRecordGone)
        || !RecordAsShown(inspect.id_journal))
        return false;
    CChangeInspectOperation operation;
    operation.record.id_journal = inspect.id_journal;
    CopyInspect(operation, inspect);
    if (!InTransaction(u"Update Inspect", [&](IDatabase* database) { operation.Update(database); }))
        return false;
    inspect.record.id_record = operation.record.id_record;
    GetJournalCache()->SetRecord(inspect.id_journal, inspect.record);
    GetUserFieldStore()->SetValues(inspect.record.id_record, inspect.values);
    Fire({ EventInspectsChanged });
    return true;
}

bool CRecordHandler::Delete(std::int32_t idJournal)
{
    if (idJournal == kNoRow || !RecordAsShown(idJournal))
        return false;
    if (!InTransaction(u"Delete Inspect", [&](IDatabase* database) { DeleteRows(database, { idJournal }); }))
        return false;
    Forget(idJournal);
    Fire({ EventInspectsChanged });
    return true;
}

void CRecordHandler::DeleteRows(IDatabase* database, const std::vector<std::int32_t>& records)
{
    for (std::int32_t idJournal : records)
        DeleteRow(database, DeleteKind::Record, idJournal);
}

void CRecordHandler::ForgetColony(std::int32_t idFamily)
{
    const std::vector<std::int32_t> records = GetJournalCache()->RecordsOf(idFamily);
    for (std::int32_t idJournal : records)
        Forget(idJournal);
    Fire({ EventInspectsChanged });
}

void CRecordHandler::Forget(std::int32_t idJournal)
{
    if (const CJournalCache::Record* record = GetJournalCache()->FindRecord(idJournal))
        GetUserFieldStore()->RemoveGroup(record->id_record);
    GetJournalCache()->RemoveRecord(idJournal);
}
