#pragma once

class IDatabase;

// Fills the journal's stores (sites and colonies, records, queens, hives) from the database and
// gives the memory the load freed back to the system.
void LoadJournalStores(IDatabase* database);
