#pragma once

#include "BarChart.h"
#include "ColonyChart.h"

#include <cstdint>
#include <vector>

// What the charts show, read from the stores. Honey taken is the extracted honey of the records,
// or in a site's season the weighed supers of a colony's harvests where it has any that year; a
// record's brood and honey are the sums over its hive lines.

// The colony's records in date order (records of one day in id order).
std::vector<ColonyChartRecord> ColonyChartRecords(std::int32_t idFamily);
// The years of the records and harvests of the site's colonies, latest first.
std::vector<int> SiteSeasons(std::int32_t idPoint);
// Per colony of the site with records or harvests in the year: the honey taken that year and the
// strength of its latest record that year (0 without one); the most honey first, equal honey in
// name order.
std::vector<BarGroup> SiteSeasonGroups(std::int32_t idPoint, int year);

// Per site with records (in id order), the honey taken in each year that has records anywhere.
struct HoneyBySiteAndYear
{
    std::vector<int> years;
    std::vector<BarGroup> sites;
};
HoneyBySiteAndYear HoneyPerSiteAndYear();

// The colony's events as marks on its chart, in date order: its own and those naming it (the
// split or swarm that made it, its union into another), each labelled with its kind.
std::vector<ColonyChartMark> ColonyChartMarks(std::int32_t idFamily);

// The colony's treatments as shaded periods on its chart, from the first day to the end of the last.
std::vector<ColonyChartPeriod> ColonyChartPeriods(std::int32_t idFamily);
