#pragma once

#include <cstdint>

class CSTreeDrawer;

// Puts the queen, her mother and her daughters from the queen store into the tree drawer, which
// is cleared first; false when there is no such queen (the drawer stays empty).
bool FillFamilyTree(CSTreeDrawer& drawer, std::int32_t idQueenBee);
