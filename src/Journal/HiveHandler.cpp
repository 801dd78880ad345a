#include "HiveHandler.h"

#include "HousingCache.h"
#include "HousingsTable.h"
#include "JournalChanges.h"
#include "UpdateFHOperation.h"

namespace {
bool HiveAsShown(std::int32_t idHousing)
{
    return StillAsShown([&] { return GetHousingCache()->FindHousing(idHousing); });
}

// One hive (idHousing), or every hive of fromFamily (idHousing 0), to the colony idFamily.
void MoveRows(IDatabase* database, std::int32_t idHousing, std::int32_t fromFamily, std::int32_t idFamily)
{
    CUpdateFHOperation move;
    move.record.id_housing = idHousing;
    move.record.from_family = fromFamily;
    move.record.id_family = idFamily;
    move.Update(database);
}
}

std::int32_t CHiveHandler::Add(const HousingRecord& housing)
{
    CHousingsTable table;
    table.record.name = housing.name;
    table.record.id_family = housing.id_family;
    table.record.type_housing = housing.type_housing;
    table.record.type_frame = housing.type_frame;
    if (!WithoutTransaction([&](IDatabase* database) { table.Insert(database); }) || table.record.id_housing == 0)
        return 0;
    HousingRecord added = housing;
    added.is_delete = false;
    GetHousingCache()->AddHousing(table.record.id_housing, added);
    return table.record.id_housing;
}

bool CHiveHandler::Change(std::int32_t idHousing, const HousingRecord& housing)
{
    if (idHousing == kNoRow || !HiveAsShown(idHousing))
        return false;
    const bool stored = WithoutTransaction([&](IDatabase* database) {
        CHousingsTable table;
        table.record.id_housing = idHousing;
        table.record.name = housing.name;
        table.record.id_family = housing.id_family;
        table.record.type_housing = housing.type_housing;
        table.record.type_frame = housing.type_frame;
        table.record.is_delete = housing.is_delete;
        table.Update(database);
    });
    if (!stored)
        return false;
    GetHousingCache()->SetHousing(idHousing, housing);
    Fire({ EventHousingsChanged });
    return true;
}

bool CHiveHandler::Delete(std::int32_t idHousing)
{
    if (idHousing == kNoRow || !HiveAsShown(idHousing))
        return false;
    const bool stored = WithoutTransaction([&](IDatabase* database) {
        CHousingsTable table;
        table.record.id_housing = idHousing;
        table.Delete(database);
    });
    if (!stored)
        return false;
    GetHousingCache()->RemoveHousing(idHousing);
    Fire({ EventHousingsChanged });
    return true;
}

bool CHiveHandler::Move(std::int32_t idHousing, std::int32_t idFamily)
{
    if (idHousing == kNoRow || !HiveAsShown(idHousing))
        return false;
    if (!WithoutTransaction([&](IDatabase* database) { MoveRows(database, idHousing, 0, idFamily); }))
        return false;
    GetHousingCache()->MoveHousing(idHousing, idFamily);
    Fire({ EventHousingsChanged });
    return true;
}

void CHiveHandler::ReleaseColonyRows(IDatabase* database, std::int32_t idFamily)
{
    MoveRows(database, 0, idFamily, 0);
}

void CHiveHandler::ReleaseColony(std::int32_t idFamily)
{
    GetHousingCache()->ReleaseFamilyHousings(idFamily);
}
