#pragma once

#include "IQueenBeeStore.h"
#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class IDatabase;

// The queens of the journal with their colonies and their descent. Changes go to the database
// first; the store follows only what the database took, then event 3 is fired.
class CQueenBeeCache : public IQueenBeeStore
{
public:
    CQueenBeeCache();
    ~CQueenBeeCache() override;
    CQueenBeeCache(const CQueenBeeCache&) = delete;
    CQueenBeeCache& operator=(const CQueenBeeCache&) = delete;

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

    // Returns the new queen's id, or 0 when the database refused it or her colony (0: none) is
    // not in the journal.
    std::int32_t AddQueenBee(const QueenBee& queen);
    // False when the database refused the change; the store is then left as it was.
    bool ChangeQueenBee(const QueenBee& queen);
    void DeleteQueenBee(std::int32_t idQueenBee) override;
    void SetQueenFamily(std::int32_t idQueenBee, std::int32_t idFamily);
    void SetQueenParent(std::int32_t idQueenBee, std::int32_t idParent);
    // Releases the colony's queens in the database, on the caller's connection and inside the
    // caller's transaction; ForgetFamily follows once that transaction is committed.
    void DetachFamilyQueens(IDatabase* database, std::int32_t idFamily);
    // The colony's queens have no colony any more; colony 0 (no colony) stays as it is.
    void ForgetFamily(std::int32_t idFamily);

private:
    void Enter(const QueenBee& queen);

    std::map<std::int32_t, QueenBee> m_queens;
    COwnerIndex m_familyQueens;
    COwnerIndex m_daughters;
};

CQueenBeeCache* GetQueenBeeCache();
