#include "HousingCache.h"

#include "HousingsTable.h"
#include "TypeFrameTable.h"
#include "TypeHousingsTable.h"

namespace {
void LoadTypes(CTypeTable& table, IDatabase* database, std::map<std::int32_t, std::u16string>& types)
{
    table.SelectEach(database, [&](const CTypeTable::content& row) { types[row.id_type] = row.name; });
}
}

void CHousingCache::Load(IDatabase* database)
{
    // A reload (after a restore) replaces what the store held.
    m_housings.clear();
    m_familyHousings.Clear();
    m_housingTypes.clear();
    m_frameTypes.clear();
    CHousingsTable housings;
    housings.SelectEach(database, [this](const CHousingsTable::content& row) {
        AddHousing(row.id_housing, Housing { row.name, row.type_housing, row.type_frame, row.id_family, false });
    });

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
    return m_familyHousings.Of(idFamily);
}

void CHousingCache::AddHousing(std::int32_t idHousing, const Housing& housing)
{
    m_housings[idHousing] = housing;
    m_familyHousings.Add(housing.id_family, idHousing);
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
    m_familyHousings.Remove(found->second.id_family, idHousing);
}

void CHousingCache::MoveHousing(std::int32_t idHousing, std::int32_t idFamily)
{
    const auto found = m_housings.find(idHousing);
    if (found == m_housings.end())
        return;
    m_familyHousings.Remove(found->second.id_family, idHousing);
    found->second.id_family = idFamily;
    if (!found->second.is_delete)
        m_familyHousings.Add(idFamily, idHousing);
}

void CHousingCache::ReleaseFamilyHousings(std::int32_t idFamily)
{
    for (std::int32_t idHousing : m_familyHousings.MoveAll(idFamily, 0))
        m_housings[idHousing].id_family = 0;
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
