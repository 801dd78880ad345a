#pragma once

#include "ColonyEventKinds.h"

#include <cstdint>
#include <map>
#include <vector>

// A winter as beekeepers' associations count it: the colonies alive on 1 October of a year, and
// how many of them were lost from then to the end of 30 April of the next. A colony made or taken
// in during the winter does not count for it; one united into another over the winter was alive in
// autumn and not lost. A colony counts for the site it stood at on 1 October, from its first record
// or the split or swarm that made it; one with neither is not counted.
struct WinterLoss
{
    // The autumn's year: the season runs from autumn of `year` to spring of `year + 1`.
    int year = 0;
    int alive = 0;
    int lost = 0;
    std::map<LossCause, int> causes;

    // The share lost, 0 to 100; 0 for a winter without colonies.
    double Percent() const { return alive > 0 ? 100.0 * lost / alive : 0.0; }
};

// The first and last second of the winter that begins in the autumn of the year.
std::int64_t WinterStart(int year);
std::int64_t WinterEnd(int year);

// The winters of the site (0: all sites) that have begun by `now`, oldest first, from the first
// autumn a colony of it was alive in; winters with no colony alive in autumn are left out.
std::vector<WinterLoss> WinterLosses(std::int32_t idPoint, std::int64_t now);
