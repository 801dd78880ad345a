#pragma once

#include "JournalBackups.h"

#include <filesystem>

class IDatabase;

// Fills the journal's stores (sites and colonies, queens, hives, the colonies' links and ends) from
// the database and gives the memory the load freed back to the system; the records, the user
// fields and a colony's events load at their first use.
void LoadJournalStores(IDatabase* database);
// Loads the stores again and tells the windows that sites, colonies, queens, records and hives all
// changed.
void ReloadJournalStores(IDatabase* database);

// Restores the journal from the backup in place; once restored, reloads every store and tells the
// windows that sites, colonies, queens, records and hives all changed, so no restart is needed.
CJournalBackups::RestoreResult RestoreJournal(CJournalBackups& backups, const std::filesystem::path& backup);
