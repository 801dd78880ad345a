#pragma once

#include <cstdint>

class IDatabase;

// Writes the colonies' last five seasons as events, through the program's own operations:
// splits and caught swarms that make daughter colonies (a few breeding lines split every spring,
// so lineages run four generations deep), requeenings, moves between sites, unions of weak
// colonies in autumn and winter losses with their causes. The journal must be at the last schema
// step; the same seed writes the same events. Returns how many events were written.
std::int64_t WriteColonyLives(IDatabase* database, std::int64_t sites, std::int64_t colonies, unsigned seed);
