#pragma once

#include "HousingRecord.h"

#include <cstdint>

class IDatabase;

// The hives: the only writer of "housings". The hive store follows each change the file took,
// then event 5 fires (an added hive is shown by the change that uses it).
class CHiveHandler
{
public:
    // The new key, or 0 when the database refused it.
    std::int32_t Add(const HousingRecord& housing);
    bool Change(std::int32_t idHousing, const HousingRecord& housing);
    bool Delete(std::int32_t idHousing);
    // Colony 0 releases the hive.
    bool Move(std::int32_t idHousing, std::int32_t idFamily);

    // Frees the colony's hives in the database, inside the caller's transaction; ReleaseColony
    // follows once that transaction is committed.
    void ReleaseColonyRows(IDatabase* database, std::int32_t idFamily);
    void ReleaseColony(std::int32_t idFamily);
};
