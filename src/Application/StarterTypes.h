#pragma once

class IJournalComponent;

// Gives a new journal the hive types and frame sizes a beekeeper of the chosen language expects,
// as ordinary entries of the dictionaries.
void AddStarterTypes(IJournalComponent& journal);
