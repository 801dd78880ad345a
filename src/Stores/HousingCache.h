#pragma once

#include "HousingRecord.h"
#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class IDatabase;

// The hives in use and the two type dictionaries.
class CHousingCache
{
public:
    using Housing = HousingRecord;

    void Load(IDatabase* database);

    const std::map<std::int32_t, Housing>& Housings() const { return m_housings; }
    const Housing* FindHousing(std::int32_t idHousing) const;
    // The hives of a colony; colony 0 holds the hives that belong to none.
    const std::vector<std::int32_t>& HousingsOf(std::int32_t idFamily) const;
    const std::map<std::int32_t, std::u16string>& HousingTypes() const { return m_housingTypes; }
    const std::map<std::int32_t, std::u16string>& FrameTypes() const { return m_frameTypes; }

    void AddHousing(std::int32_t idHousing, const Housing& housing);
    // Replaces the record; a changed colony moves the hive to the end of the new colony's list.
    void SetHousing(std::int32_t idHousing, const Housing& housing);
    // Takes the hive out of its colony's list (it stays known as a deleted hive).
    void RemoveHousing(std::int32_t idHousing);
    void MoveHousing(std::int32_t idHousing, std::int32_t idFamily);
    // Moves every hive of the colony to the end of colony 0's list and drops the colony's list.
    void ReleaseFamilyHousings(std::int32_t idFamily);

    void SetHousingType(std::int32_t idType, const std::u16string& name);
    void RemoveHousingType(std::int32_t idType);
    void SetFrameType(std::int32_t idType, const std::u16string& name);
    void RemoveFrameType(std::int32_t idType);

private:
    std::map<std::int32_t, Housing> m_housings;
    COwnerIndex m_familyHousings;
    std::map<std::int32_t, std::u16string> m_housingTypes;
    std::map<std::int32_t, std::u16string> m_frameTypes;
};

CHousingCache* GetHousingCache();
