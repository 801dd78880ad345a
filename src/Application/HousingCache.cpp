#include "HousingCache.h"

#include "HousingsTable.h"
#include "Result.h"
#include "TypeFrameTable.h"
#include "TypeHousingsTable.h"

namespace {
const std::vector<std::int32_t> kNoHousings;

void LoadTypes(CTypeTable& table, IDatabase* database, std::map<std::int32_t, std::u16string>& types)
{
    ReleasePtr<IResult> rows(table.Select(database));
    for (const auto* row : RecordsOf<CTypeTable::content>(rows.get()))
        types[row->id_type] = row->name;
}
}

void CHousingCache::Load(IDatabase* database)
{
    CHousingsTable housings;
    ReleasePtr<IResult> rows(housings.Select(database));
    for (const auto* row : RecordsOf<CHousingsTable::content>(rows.get()))
        AddHousing(row->id_housing, Housing { row->name, row->type_housing, row->type_frame, row->id_family, false });

    CTypeHousingsTable housingTypes;
    LoadTypes(housingTypes, database, m_housingTypes);
    CTypeFrameTable frameTypes;
    LoadTypes(frameTypes, database, m_frameTypes);
}

const CHousingCache::Housing* CHousingCache::FindHousing(std::int32_t idHousing) const
{
    const auto found = m_housings.find(idHousing);
    return found != m_housings.end() ? &found->second : nullptr;
}

const std::vector<std::int32_t>& CHousingCache::HousingsOf(std::int32_t idFamily) const
{
    const auto found = m_familyHousings.find(idFamily);
    return found != m_familyHousings.end() ? found->second : kNoHousings;
}

void CHousingCache::AddHousing(std::int32_t idHousing, const Housing& housing)
{
    m_housings[idHousing] = housing;
    m_familyHousings[housing.id_family].push_back(idHousing);
}

void CHousingCache::SetHousing(std::int32_t idHousing, const Housing& housing)
{
    const auto found = m_housings.find(idHousing);
    if (found == m_housings.end())
        return;
    const std::int32_t idFamily = housing.id_family;
    Housing replaced = housing;
    replaced.id_family = found->second.id_family;
    found->second = replaced;
    if (idFamily != replaced.id_family)
        MoveHousing(idHousing, idFamily);
}

void CHousingCache::RemoveHousing(std::int32_t idHousing)
{
    const auto found = m_housings.find(idHousing);
    if (found == m_housings.end())
        return;
    found->second.is_delete = true;
    if (auto list = m_familyHousings.find(found->second.id_family); list != m_familyHousings.end())
        std::erase(list->second, idHousing);
}

void CHousingCache::MoveHousing(std::int32_t idHousing, std::int32_t idFamily)
{
    const auto found = m_housings.find(idHousing);
    if (found == m_housings.end())
        return;
    if (auto list = m_familyHousings.find(found->second.id_family); list != m_familyHousings.end())
        std::erase(list->second, idHousing);
    found->second.id_family = idFamily;
    if (!found->second.is_delete)
        m_familyHousings[idFamily].push_back(idHousing);
}

void CHousingCache::ReleaseFamilyHousings(std::int32_t idFamily)
{
    const auto list = m_familyHousings.find(idFamily);
    if (list == m_familyHousings.end() || idFamily == 0)
        return;
    std::vector<std::int32_t>& unassigned = m_familyHousings[0];
    for (std::int32_t idHousing : list->second) {
        unassigned.push_back(idHousing);
        m_housings[idHousing].id_family = 0;
    }
    m_familyHousings.erase(idFamily);
}

void CHousingCache::SetHousingType(std::int32_t idType, const std::u16string& name)
{
    m_housingTypes[idType] = name;
}

void CHousingCache::RemoveHousingType(std::int32_t idType)
{
    m_housingTypes.erase(idType);
}

void CHousingCache::SetFrameType(std::int32_t idType, const std::u16string& name)
{
    m_frameTypes[idType] = name;
}

void CHousingCache::RemoveFrameType(std::int32_t idType)
{
    m_frameTypes.erase(idType);
}

CHousingCache* GetHousingCache()
{
    static CHousingCache cache;
    return &cache;
}
