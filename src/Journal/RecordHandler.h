#pragma once

#include "JournalData.h"

#include <cstdint>
#include <vector>

class IDatabase;

// The inspection records: the only writer of "journal" and "inspect" (with the records' value
// groups). The record store and the user-field store follow each committed change, then event 4
// fires.
class CRecordHandler
{
public:
    // The new key, or 0 when the colony is gone or the database refused it.
    std::int32_t Add(InspectData& inspect);
    bool Update(InspectData& inspect);
    bool Delete(std::int32_t idJournal);

    // Deletes the records in the database, inside the caller's transaction; ForgetColony follows
    // once that transaction is committed.
    void DeleteRows(IDatabase* database, const std::vector<std::int32_t>& records);
    // The colony's records leave the stores and event 4 fires.
    void ForgetColony(std::int32_t idFamily);

private:
    // The record leaves the stores, its values group with it.
    void Forget(std::int32_t idJournal);
};
