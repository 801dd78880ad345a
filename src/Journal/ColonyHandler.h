#pragma once

#include "JournalData.h"

#include <cstdint>
#include <string>
#include <vector>

class CHiveHandler;
class CQueenHandler;
class CRecordHandler;
class IDatabase;

// The colonies: the only writer of "families" and "evacuation" (with the colonies' value groups).
// Removing a colony takes its records, frees its hives and releases its queens through their
// handlers, in the one transaction. The stores follow each committed change, then event 2 fires.
class CColonyHandler
{
public:
    CColonyHandler(CRecordHandler& records, CHiveHandler& hives, CQueenHandler& queens);

    // The new key, or 0 when the site is gone or the database refused it.
    std::int32_t Add(FamilyData& family);
    bool Update(FamilyData& family);
    bool Rename(std::int32_t idFamily, const std::u16string& name);
    bool Delete(std::int32_t idFamily);

    // The database side of removing a colony, inside the caller's transaction, with the colony's
    // records as the store had them before it.
    void DeleteRows(IDatabase* database, std::int32_t idFamily, const std::vector<std::int32_t>& records);
    // The store side of it, once the transaction is committed: queens, records, hives, the colony.
    void Forget(std::int32_t idFamily);

private:
    CRecordHandler& m_records;
    CHiveHandler& m_hives;
    CQueenHandler& m_queens;
};
