#pragma once

#include "MiteCounts.h"
#include "VarroaBars.h"
#include "VarroaChart.h"

#include <cstdint>
#include <vector>

// What the varroa charts show, read from the stores against the beekeeper's thresholds.

// The colony's counts that give an infestation, in date order, a series per method it was
// counted by (in the methods' order).
struct ColonyVarroa
{
    std::vector<CVarroaChart::Series> series;
    std::vector<VarroaChartPoint> points;
};
ColonyVarroa ColonyVarroaOf(std::int32_t idFamily, const MiteThresholds& thresholds);

// The colonies of a site, or of all sites for 0, by their latest count of the recent days on the
// day: the furthest above their threshold first. Of all sites only those above it are listed, each
// with its site's name.
struct VarroaStanding
{
    std::vector<VarroaBar> bars;
    int above = 0;
    // The colonies that have not ended.
    int colonies = 0;
};
VarroaStanding VarroaStandingOf(std::int32_t idPoint, const MiteThresholds& thresholds, std::int64_t day);
