#include "SiteHandler.h"

#include "AddPointOperation.h"
#include "ChangePointOperation.h"
#include "ColonyHandler.h"
#include "JournalCache.h"
#include "JournalChanges.h"
#include "PointFamilyCache.h"
#include "UserFieldStore.h"

namespace {
bool SiteAsShown(std::int32_t idPoint)
{
    return StillAsShown([&] { return GetPointFamilyCache()->FindPoint(idPoint); });
}
}

CSiteHandler::CSiteHandler(CColonyHandler& colonies)
    : m_colonies(colonies)
{
}

std::int32_t CSiteHandler::Add(PointData& point)
{
    CAddPointOperation operation;
    operation.record.name = point.name;
    operation.record.note = point.note;
    operation.record.values = point.values;
    if (!InTransaction(u"Add Point", [&](IDatabase* database) { operation.Add(database); }))
        return 0;
    point.id_point = operation.record.id_point;
    point.id_record = operation.record.id_record;
    GetPointFamilyCache()->SetPoint(point.id_point, { point.name, point.note, point.id_record });
    GetUserFieldStore()->SetValues(point.id_record, point.values);
    Fire({ EventPointsChanged });
    return point.id_point;
}

bool CSiteHandler::Change(PointData& point)
{
    if (point.id_point == kNoRow)
        return false;
    if (!OwnerExists(GetPointFamilyCache()->FindPoint(point.id_point), StringId::OwnerSiteGone)
        || !SiteAsShown(point.id_point))
        return false;
    CChangePointOperation operation;
    operation.record.id_point = point.id_point;
    operation.record.name = point.name;
    operation.record.note = point.note;
    operation.record.values = point.values;
    if (!InTransaction(u"Change Point", [&](IDatabase* database) { operation.Update(database); }))
        return false;
    point.id_record = operation.record.id_record;
    GetPointFamilyCache()->SetPoint(point.id_point, { point.name, point.note, point.id_record });
    GetUserFieldStore()->SetValues(point.id_record, point.values);
    Fire({ EventPointsChanged });
    return true;
}

bool CSiteHandler::Rename(std::int32_t idPoint, const std::u16string& name)
{
    if (idPoint == kNoRow || !SiteAsShown(idPoint))
        return false;
    if (!RenameRow(RenameKind::Site, idPoint, name))
        return false;
    GetPointFamilyCache()->RenamePoint(idPoint, name);
    Fire({ EventPointsChanged });
    return true;
}

bool CSiteHandler::Delete(std::int32_t idPoint)
{
    if (idPoint == kNoRow || !SiteAsShown(idPoint))
        return false;
    const std::vector<std::int32_t> families = GetPointFamilyCache()->FamiliesOf(idPoint);
    // Read before the transaction, whose rows the store must never take if it fails.
    std::vector<std::vector<std::int32_t>> records;
    for (std::int32_t idFamily : families)
        records.push_back(GetJournalCache()->RecordsOf(idFamily));
    const bool committed = InTransaction(u"Delete Point", [&](IDatabase* database) {
        DeleteRow(database, DeleteKind::Site, idPoint);
        for (std::size_t i = 0; i < families.size(); ++i)
            m_colonies.DeleteRows(database, families[i], records[i]);
    });
    if (!committed)
        return false;
    for (std::int32_t idFamily : families)
        m_colonies.Forget(idFamily);
    if (const CPointFamilyCache::Point* point = GetPointFamilyCache()->FindPoint(idPoint))
        GetUserFieldStore()->RemoveGroup(point->id_record);
    GetPointFamilyCache()->RemovePoint(idPoint);
    Fire({ EventPointsChanged, EventFamiliesChanged, EventInspectsChanged, EventHousingsChanged });
    return true;
}
