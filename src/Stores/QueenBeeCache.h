#pragma once

#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class IDatabase;

// The queens of the journal with their colonies and their descent, as the windows show them. The
// queens' handler changes it once the database took a change.
class CQueenBeeCache
{
public:
    struct QueenBee
    {
        std::int32_t id_queen_bee = 0;
        std::u16string name;
        std::u16string description;
        std::int32_t id_family = 0;
        std::int32_t id_parent_queen_bee = 0;
        std::int64_t date = 0;
        std::int32_t breed = 0;
        std::u16string fert;
        bool is_dead = false;
    };

    void Load(IDatabase* database);

    const std::map<std::int32_t, QueenBee>& QueenBees() const { return m_queens; }
    const QueenBee* FindQueenBee(std::int32_t idQueenBee) const;
    // The queens of a colony by ascending id.
    std::map<std::int32_t, QueenBee> QueensOf(std::int32_t idFamily) const;
    std::vector<std::int32_t> DaughtersOf(std::int32_t idQueenBee) const;

    // A new queen with her key.
    void AddQueenBee(const QueenBee& queen);
    // Takes the queen's own fields; her colony and mother change only through their own calls.
    void ChangeQueenBee(const QueenBee& queen);
    // Removes the queen; her daughters lose their mother.
    void RemoveQueenBee(std::int32_t idQueenBee);
    void SetQueenFamily(std::int32_t idQueenBee, std::int32_t idFamily);
    void SetQueenParent(std::int32_t idQueenBee, std::int32_t idParent);
    // The colony's queens have no colony any more; colony 0 (no colony) stays as it is.
    void ForgetFamily(std::int32_t idFamily);

private:
    std::map<std::int32_t, QueenBee> m_queens;
    COwnerIndex m_familyQueens;
    COwnerIndex m_daughters;
};

CQueenBeeCache* GetQueenBeeCache();
