#pragma once

#include <cstdint>
#include <map>
#include <vector>

// Owner id -> the ids it owns, each list in the order the ids joined it. A list that becomes
// empty is dropped, so the index never holds owners without members.
class COwnerIndex
{
public:
    // The owner's ids; an empty list for an owner without any.
    const std::vector<std::int32_t>& Of(std::int32_t owner) const;
    void Add(std::int32_t owner, std::int32_t id);
    void Remove(std::int32_t owner, std::int32_t id);
    // Moves every id of `from` to the end of `to`'s list; returns the moved ids. Moving an
    // owner's ids to itself changes nothing.
    std::vector<std::int32_t> MoveAll(std::int32_t from, std::int32_t to);
    void Erase(std::int32_t owner);
    void Clear() { m_lists.clear(); }

private:
    std::map<std::int32_t, std::vector<std::int32_t>> m_lists;
};
