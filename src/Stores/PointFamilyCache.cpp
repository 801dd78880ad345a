#include "PointFamilyCache.h"

#include "FamiliesTable.h"
#include "PointsTable.h"

void CPointFamilyCache::Load(IDatabase* database)
{
    // A reload (after a restore) replaces what the store held.
    m_points.clear();
    m_families.clear();
    m_pointFamilies.Clear();
    CPointsTable points;
    points.SelectEach(database, [this](const CPointsTable::content& row) {
        m_points[row.id_point] = Point { row.name, row.note, row.id_record };
    });

    CFamiliesTable families;
    families.SelectEach(database, [this](const CFamiliesTable::content& row) {
        m_families[row.id_family] = Family { row.name, row.note, row.id_point, row.type, row.id_record };
        m_pointFamilies.Add(row.id_point, row.id_family);
    });
}

const std::vector<std::int32_t>& CPointFamilyCache::FamiliesOf(std::int32_t idPoint) const
{
    return m_pointFamilies.Of(idPoint);
}

const CPointFamilyCache::Point* CPointFamilyCache::FindPoint(std::int32_t idPoint) const
{
    const auto found = m_points.find(idPoint);
    return found != m_points.end() ? &found->second : nullptr;
}

const CPointFamilyCache::Family* CPointFamilyCache::FindFamily(std::int32_t idFamily) const
{
    const auto found = m_families.find(idFamily);
    return found != m_families.end() ? &found->second : nullptr;
}

void CPointFamilyCache::SetPoint(std::int32_t idPoint, const Point& point)
{
    m_points[idPoint] = point;
}

void CPointFamilyCache::RenamePoint(std::int32_t idPoint, const std::u16string& name)
{
    if (auto found = m_points.find(idPoint); found != m_points.end())
        found->second.name = name;
}

void CPointFamilyCache::RemovePoint(std::int32_t idPoint)
{
    m_points.erase(idPoint);
    m_pointFamilies.Erase(idPoint);
}

void CPointFamilyCache::AddFamily(std::int32_t idFamily, const Family& family)
{
    m_families[idFamily] = family;
    m_pointFamilies.Add(family.id_point, idFamily);
}

void CPointFamilyCache::SetFamily(std::int32_t idFamily, const Family& family)
{
    // A colony moved to another site leaves its old site's list for the end of the new one's.
    if (const auto found = m_families.find(idFamily); found != m_families.end() && found->second.id_point != family.id_point) {
        m_pointFamilies.Remove(found->second.id_point, idFamily);
        m_pointFamilies.Add(family.id_point, idFamily);
    }
    m_families[idFamily] = family;
}

void CPointFamilyCache::RenameFamily(std::int32_t idFamily, const std::u16string& name)
{
    if (auto found = m_families.find(idFamily); found != m_families.end())
        found->second.name = name;
}

void CPointFamilyCache::RemoveFamily(std::int32_t idFamily)
{
    const auto found = m_families.find(idFamily);
    if (found == m_families.end())
        return;
    m_pointFamilies.Remove(found->second.id_point, idFamily);
    m_families.erase(found);
}

CPointFamilyCache* GetPointFamilyCache()
{
    static CPointFamilyCache cache;
    return &cache;
}
