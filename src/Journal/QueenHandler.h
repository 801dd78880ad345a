#pragma once

#include "QueenBeeCache.h"

#include <cstdint>

class IDatabase;

// The queens: the only writer of "queen_bee". The queen store follows each change the file took,
// then event 3 fires.
class CQueenHandler
{
public:
    using QueenBee = CQueenBeeCache::QueenBee;

    // Returns the new queen's id, or 0 when the database refused it or her colony (0: none) is
    // not in the journal.
    std::int32_t Add(const QueenBee& queen);
    // False when the database refused the change; the store is then left as it was.
    bool Change(const QueenBee& queen);
    // Deletes the queen in a transaction of its own; her daughters lose their mother.
    void Delete(std::int32_t idQueenBee);
    void SetFamily(std::int32_t idQueenBee, std::int32_t idFamily);
    void SetParent(std::int32_t idQueenBee, std::int32_t idParent);

    // Releases the colony's queens in the database, inside the caller's transaction;
    // ForgetColony follows once that transaction is committed.
    void DetachColony(IDatabase* database, std::int32_t idFamily);
    // The colony's queens have no colony any more; colony 0 (no colony) stays as it is.
    void ForgetColony(std::int32_t idFamily);
};
