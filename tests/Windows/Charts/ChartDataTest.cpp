#include "ChartData.h"

#include "Calendar.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
std::int64_t Noon(const std::u16string& day)
{
    return ParseDateText(day) + 12 * 3600;
}

void AddColony(std::int32_t idFamily, std::int32_t idPoint, const std::u16string& name)
{
    GetPointFamilyCache()->AddFamily(idFamily, { name, u"", idPoint, 0, 0 });
}

void AddRecord(std::int32_t idJournal, std::int32_t idFamily, std::int64_t date, int strength, int taken,
    std::vector<CJournalCache::HiveRow> hives = {})
{
    CJournalCache::Record record;
    record.id_family = idFamily;
    record.date = date;
    record.strength = strength;
    record.frame = strength + 1;
    record.evacuation = taken;
    record.hives = std::move(hives);
    GetJournalCache()->AddRecord(idJournal, std::move(record));
}
}

TEST(ChartDataTest, ColonyRecordsGoByDateThenIdWithTheHiveLinesSummed)
{
    GetPointFamilyCache()->SetPoint(1, { u"North", u"", 0 });
    AddColony(10, 1, u"Linden");
    AddRecord(103, 10, Noon(u"01.06.2024"), 7, 0);
    AddRecord(101, 10, Noon(u"01.05.2024"), 5, 0, { { 0, u"A", 3, 4, 0, 0, 0 }, { 0, u"B", 2, 6, 0, 0, 0 } });
    AddRecord(102, 10, Noon(u"01.06.2024"), 6, 0, { { 0, u"A", INT_MAX, 1, 0, 0, 0 }, { 0, u"B", 5, 1, 0, 0, 0 } });
    const std::vector<ColonyChartRecord> records = ColonyChartRecords(10);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].id, 101);
    EXPECT_EQ(records[1].id, 102);
    EXPECT_EQ(records[2].id, 103);
    EXPECT_EQ(records[0].values, (std::array<int, 4> { 5, 6, 5, 10 }));
    // A sum beyond an int stays at the largest one rather than turning negative.
    EXPECT_EQ(records[1].values[SeriesBrood], INT_MAX);
    EXPECT_EQ(records[2].values, (std::array<int, 4> { 7, 8, 0, 0 }));
    EXPECT_TRUE(ColonyChartRecords(11).empty());
}

TEST(ChartDataTest, SiteSeasonSumsTheYearsHoneyAndTakesItsLatestStrength)
{
    GetPointFamilyCache()->SetPoint(2, { u"South", u"", 0 });
    GetPointFamilyCache()->SetPoint(3, { u"East", u"", 0 });
    AddColony(20, 2, u"Clover");
    AddColony(21, 2, u"Acacia");
    AddColony(22, 2, u"Buckwheat");
    AddColony(23, 3, u"Elsewhere");
    // Clover: the later record has the smaller id; New Year's Eve belongs to its own year.
    AddRecord(202, 20, Noon(u"20.08.2024"), 9, 10);
    AddRecord(201, 20, Noon(u"10.05.2024"), 4, 5);
    AddRecord(203, 20, Noon(u"31.12.2023"), 2, 40);
    AddRecord(204, 21, Noon(u"01.07.2024"), 6, 15);
    AddRecord(205, 22, Noon(u"01.07.2024"), 3, 0);
    AddRecord(206, 23, Noon(u"01.07.2024"), 8, 99);
    AddRecord(207, 21, Noon(u"02.01.2022"), 5, INT_MAX);
    AddRecord(208, 21, Noon(u"03.01.2022"), 5, INT_MAX);

    EXPECT_EQ(SiteSeasons(2), (std::vector<int> { 2024, 2023, 2022 }));
    const std::vector<BarGroup> season = SiteSeasonGroups(2, 2024);
    ASSERT_EQ(season.size(), 3u);
    // Equal honey goes by name.
    EXPECT_EQ(season[0].label, u"Acacia");
    EXPECT_EQ(season[0].values, (std::vector<int> { 15, 6 }));
    EXPECT_EQ(season[1].label, u"Clover");
    EXPECT_EQ(season[1].values, (std::vector<int> { 15, 9 }));
    EXPECT_EQ(season[2].label, u"Buckwheat");
    EXPECT_EQ(season[2].values, (std::vector<int> { 0, 3 }));
    ASSERT_EQ(SiteSeasonGroups(2, 2023).size(), 1u);
    EXPECT_EQ(SiteSeasonGroups(2, 2023)[0].values, (std::vector<int> { 40, 2 }));
    EXPECT_EQ(SiteSeasonGroups(2, 2022)[0].values, (std::vector<int> { INT_MAX, 5 }));
    EXPECT_TRUE(SiteSeasonGroups(2, 2021).empty());

    const HoneyBySiteAndYear honey = HoneyPerSiteAndYear();
    EXPECT_EQ(honey.years, (std::vector<int> { 2022, 2023, 2024 }));
    ASSERT_EQ(honey.sites.size(), 2u);
    EXPECT_EQ(honey.sites[0].label, u"South");
    EXPECT_EQ(honey.sites[0].values, (std::vector<int> { INT_MAX, 40, 30 }));
    EXPECT_EQ(honey.sites[1].label, u"East");
    EXPECT_EQ(honey.sites[1].values, (std::vector<int> { 0, 0, 99 }));
}
