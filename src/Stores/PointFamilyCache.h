#pragma once

#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class IDatabase;

// The sites and colonies of the journal, as the windows show them.
class CPointFamilyCache
{
public:
    struct Point
    {
        std::u16string name;
        std::u16string note;
        std::int32_t id_record = 0;

        bool operator==(const Point&) const = default;
    };
    struct Family
    {
        std::u16string name;
        std::u16string note;
        std::int32_t id_point = 0;
        std::int32_t type = 0;
        std::int32_t id_record = 0;

        bool operator==(const Family&) const = default;
    };

    void Load(IDatabase* database);

    const std::map<std::int32_t, Point>& Points() const { return m_points; }
    const std::map<std::int32_t, Family>& Families() const { return m_families; }
    // The colonies of a site in load order, later additions last.
    const std::vector<std::int32_t>& FamiliesOf(std::int32_t idPoint) const;
    const Point* FindPoint(std::int32_t idPoint) const;
    const Family* FindFamily(std::int32_t idFamily) const;

    void SetPoint(std::int32_t idPoint, const Point& point);
    void RenamePoint(std::int32_t idPoint, const std::u16string& name);
    // Removes the site with its colony list.
    void RemovePoint(std::int32_t idPoint);
    // A new colony goes to the end of its site's list.
    void AddFamily(std::int32_t idFamily, const Family& family);
    // Replaces the record; the colony stays in its site's list, or goes to the end of a new site's.
    void SetFamily(std::int32_t idFamily, const Family& family);
    void RenameFamily(std::int32_t idFamily, const std::u16string& name);
    void RemoveFamily(std::int32_t idFamily);

private:
    std::map<std::int32_t, Point> m_points;
    std::map<std::int32_t, Family> m_families;
    COwnerIndex m_pointFamilies;
};

CPointFamilyCache* GetPointFamilyCache();
