#include "OwnerIndex.h"

#include <algorithm>

namespace {
const std::vector<std::int32_t> kNone;
}

const std::vector<std::int32_t>& COwnerIndex::Of(std::int32_t owner) const
{
    const auto found = m_lists.find(owner);
    return found != m_lists.end() ? found->second : kNone;
}

void COwnerIndex::Add(std::int32_t owner, std::int32_t id)
{
    m_lists[owner].push_back(id);
}

void COwnerIndex::Remove(std::int32_t owner, std::int32_t id)
{
    const auto found = m_lists.find(owner);
    if (found == m_lists.end())
        return;
    std::erase(found->second, id);
    if (found->second.empty())
        m_lists.erase(found);
}

std::vector<std::int32_t> COwnerIndex::MoveAll(std::int32_t from, std::int32_t to)
{
    const auto found = m_lists.find(from);
    if (from == to || found == m_lists.end())
        return {};
    std::vector<std::int32_t> moved = std::move(found->second);
    m_lists.erase(found);
    std::vector<std::int32_t>& target = m_lists[to];
    target.insert(target.end(), moved.begin(), moved.end());
    return moved;
}

void COwnerIndex::Erase(std::int32_t owner)
{
    m_lists.erase(owner);
}
