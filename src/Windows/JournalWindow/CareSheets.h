#pragma once

#include "SheetData.h"

#include <vector>

// The colonies' care in the beekeeper's words, a sheet each: treatments, feedings, harvests and
// mite counts, with the names of their medicines, feeds and colonies, and a harvest's colony's
// queens to trace its honey. None for a journal without the care's tables.
std::vector<SheetData> CareSheets();
