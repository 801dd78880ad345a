#pragma once

#include <cstdint>

class CColonyTreeDrawer;

// Puts the colony's lineage from the stores into the drawer: its mother colonies up to the first,
// the colonies united into it and its daughters down to the last generation, each box with the
// colony's name, its site, how it was made and how it ended. The drawer is cleared first; false
// when there is no such colony (the drawer stays empty).
bool FillColonyTree(CColonyTreeDrawer& drawer, std::int32_t idFamily);
