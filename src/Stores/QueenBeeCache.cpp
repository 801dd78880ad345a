#include "QueenBeeCache.h"

#include "QueenBeeTable.h"

void CQueenBeeCache::Load(IDatabase* database)
{
    // A reload (after a restore) replaces what the store held.
    m_queens.clear();
    m_familyQueens.Clear();
    m_daughters.Clear();
    CQueenBeeTable table;
    table.SelectEach(database, [this](const CQueenBeeTable::content& row) {
        AddQueenBee(QueenBee { row.id_queen_bee, row.name, row.description, row.id_family, row.id_parent_queen_bee, row.date,
            row.breed, row.fert, row.is_dead });
    });
}

void CQueenBeeCache::AddQueenBee(const QueenBee& queen)
{
    m_queens[queen.id_queen_bee] = queen;
    m_familyQueens.Add(queen.id_family, queen.id_queen_bee);
    if (queen.id_parent_queen_bee != 0)
        m_daughters.Add(queen.id_parent_queen_bee, queen.id_queen_bee);
}

const CQueenBeeCache::QueenBee* CQueenBeeCache::FindQueenBee(std::int32_t idQueenBee) const
{
    const auto found = m_queens.find(idQueenBee);
    return found != m_queens.end() ? &found->second : nullptr;
}

std::map<std::int32_t, CQueenBeeCache::QueenBee> CQueenBeeCache::QueensOf(std::int32_t idFamily) const
{
    std::map<std::int32_t, QueenBee> queens;
    for (std::int32_t id : m_familyQueens.Of(idFamily)) {
        if (const QueenBee* queen = FindQueenBee(id))
            queens[id] = *queen;
    }
    return queens;
}

std::vector<std::int32_t> CQueenBeeCache::DaughtersOf(std::int32_t idQueenBee) const
{
    return m_daughters.Of(idQueenBee);
}

void CQueenBeeCache::ChangeQueenBee(const QueenBee& queen)
{
    if (auto found = m_queens.find(queen.id_queen_bee); found != m_queens.end()) {
        QueenBee changed = queen;
        changed.id_family = found->second.id_family;
        changed.id_parent_queen_bee = found->second.id_parent_queen_bee;
        found->second = changed;
    }
}

void CQueenBeeCache::RemoveQueenBee(std::int32_t idQueenBee)
{
    if (const auto found = m_queens.find(idQueenBee); found != m_queens.end()) {
        m_familyQueens.Remove(found->second.id_family, idQueenBee);
        m_daughters.Remove(found->second.id_parent_queen_bee, idQueenBee);
        m_queens.erase(found);
    }
    for (std::int32_t daughter : DaughtersOf(idQueenBee)) {
        if (auto found = m_queens.find(daughter); found != m_queens.end())
            found->second.id_parent_queen_bee = 0;
    }
    m_daughters.Erase(idQueenBee);
}

void CQueenBeeCache::SetQueenFamily(std::int32_t idQueenBee, std::int32_t idFamily)
{
    if (auto found = m_queens.find(idQueenBee); found != m_queens.end()) {
        m_familyQueens.Remove(found->second.id_family, idQueenBee);
        m_familyQueens.Add(idFamily, idQueenBee);
        found->second.id_family = idFamily;
    }
}

void CQueenBeeCache::SetQueenParent(std::int32_t idQueenBee, std::int32_t idParent)
{
    if (auto found = m_queens.find(idQueenBee); found != m_queens.end()) {
        m_daughters.Remove(found->second.id_parent_queen_bee, idQueenBee);
        if (idParent != 0)
            m_daughters.Add(idParent, idQueenBee);
        found->second.id_parent_queen_bee = idParent;
    }
}

void CQueenBeeCache::ForgetFamily(std::int32_t idFamily)
{
    // Colony 0 holds the queens without a colony already.
    if (idFamily == 0)
        return;
    for (std::int32_t id : m_familyQueens.MoveAll(idFamily, 0))
        m_queens[id].id_family = 0;
}

CQueenBeeCache* GetQueenBeeCache()
{
    static CQueenBeeCache cache;
    return &cache;
}
