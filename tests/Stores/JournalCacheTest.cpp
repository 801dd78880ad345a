#include "DatabaseManager.h"
#include "JournalCache.h"
#include "MessageBox.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

namespace {
class JournalCacheTest : public testing::Test
{
protected:
    JournalCacheTest() { GetDatabaseManager()->Initialize(); }

    void Exec(const std::u16string& text)
    {
        RowList rows;
        database->ExecRequest(rows, text);
        ASSERT_FALSE(database->HasError());
    }

    static std::vector<std::u16string> HiveNamesOf(const CJournalCache::Record& record)
    {
        std::vector<std::u16string> names;
        for (const CJournalCache::HiveRow& hive : record.hives)
            names.push_back(hive.name_housing);
        return names;
    }
    static std::vector<std::u16string> HiveNames(const CJournalCache& cache, std::int32_t idJournal)
    {
        return HiveNamesOf(*cache.FindRecord(idJournal));
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    CDatabaseLease database;
};
}

TEST_F(JournalCacheTest, HiveRowsJoinTheirRecordInTableOrderWhereverTheyStand)
{
    Exec(u"INSERT INTO journal VALUES(1, 10, '07.05.2010 12:00:00', 8, 6, 1, 0, 0, 0, 0, 0, 'Рой 🐝', NULL)");
    Exec(u"INSERT INTO journal VALUES(2, 10, '08.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    Exec(u"INSERT INTO journal VALUES(3, 11, '09.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    // Record 1's rows in two runs, one row of no record, record 2 without rows.
    Exec(u"INSERT INTO inspect VALUES(1, 1, 'A', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(1, 2, 'B', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(3, 3, 'C', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(9, 4, 'lost', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(1, 5, 'D', 6, 7, 8, 9, 10)");
    Exec(u"INSERT INTO inspect VALUES(3, 6, 'E', 1, 2, 3, 4, 5)");

    CJournalCache cache;
    cache.Load(database.get());
    EXPECT_EQ(cache.Records().size(), 3u);
    EXPECT_EQ(cache.RecordsOf(10), (std::vector<std::int32_t> { 1, 2 }));
    EXPECT_EQ(cache.FindRecord(1)->note, u"Рой 🐝");
    EXPECT_EQ(HiveNames(cache, 1), (std::vector<std::u16string> { u"A", u"B", u"D" }));
    EXPECT_TRUE(cache.FindRecord(2)->hives.empty());
    EXPECT_EQ(HiveNames(cache, 3), (std::vector<std::u16string> { u"C", u"E" }));
    const CJournalCache::HiveRow& d = cache.FindRecord(1)->hives[2];
    EXPECT_EQ(d.id_housing, 5);
    EXPECT_EQ(d.honey, 6);
    EXPECT_EQ(d.brood, 7);
    EXPECT_EQ(d.open_brood, 8);
    EXPECT_EQ(d.close_brood, 9);
    EXPECT_EQ(d.goods_honey, 10);
    // Each record holds no room for rows it does not have.
    for (const auto& [id, record] : cache.Records())
        EXPECT_EQ(record.hives.capacity(), record.hives.size()) << id;
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(JournalCacheTest, PutOffAColonyLoadsAtItsFirstUseInTheOrderItsRecordsWereAdded)
{
    // Colony 10's records are dated against their order; record 3 is colony 11's.
    Exec(u"INSERT INTO journal VALUES(1, 10, '09.05.2010 12:00:00', 8, 6, 1, 0, 0, 0, 0, 0, 'late', NULL)");
    Exec(u"INSERT INTO journal VALUES(2, 10, '07.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, 'early', NULL)");
    Exec(u"INSERT INTO journal VALUES(3, 11, '08.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    Exec(u"INSERT INTO inspect VALUES(2, 1, 'A', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(1, 2, 'B', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(2, 3, 'C', 1, 2, 3, 4, 5)");
    Exec(u"CREATE INDEX journal_by_family ON journal(id_family, date)");

    CJournalCache cache;
    cache.LoadOnFirstUse(database->GetPath());
    EXPECT_EQ(cache.RecordsOf(10), (std::vector<std::int32_t> { 1, 2 }));
    EXPECT_EQ(HiveNames(cache, 2), (std::vector<std::u16string> { u"A", u"C" }));
    EXPECT_EQ(HiveNames(cache, 1), (std::vector<std::u16string> { u"B" }));

    // A loaded colony is served from the store; another one is read when first asked for.
    Exec(u"INSERT INTO journal VALUES(4, 10, '10.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    Exec(u"INSERT INTO journal VALUES(5, 11, '10.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    EXPECT_EQ(cache.RecordsOf(10).size(), 2u);
    ASSERT_NE(cache.FindRecord(5), nullptr);
    EXPECT_EQ(cache.FindRecord(5)->id_family, 11);
    EXPECT_EQ(cache.RecordsOf(11), (std::vector<std::int32_t> { 3, 5 }));
    EXPECT_EQ(cache.FindRecord(99), nullptr);

    // A record stored before the store heard of it joins its colony once.
    Exec(u"INSERT INTO journal VALUES(6, 12, '10.05.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, 'new', NULL)");
    CJournalCache::Record added;
    added.id_family = 12;
    added.note = u"new";
    cache.AddRecord(6, added);
    EXPECT_EQ(cache.RecordsOf(12), (std::vector<std::int32_t> { 6 }));

    // Everything at once reads what is stored.
    EXPECT_EQ(cache.Records().size(), 6u);
    EXPECT_EQ(cache.RecordsOf(10), (std::vector<std::int32_t> { 1, 2, 4 }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(JournalCacheTest, TheLatestRecordOfAColonyNotLoadedIsReadOnItsOwn)
{
    // By day, not by the text: 05.01.2011 is later than 31.12.2010; of one day the last entered wins.
    Exec(u"INSERT INTO journal VALUES(1, 20, '05.01.2011 09:00:00', 8, 6, 1, 0, 0, 0, 0, 0, 'first', NULL)");
    Exec(u"INSERT INTO journal VALUES(2, 20, '31.12.2010 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    Exec(u"INSERT INTO journal VALUES(3, 20, '05.01.2011 08:00:00', 7, 5, 0, 0, 0, 0, 0, 0, 'second', NULL)");
    Exec(u"INSERT INTO journal VALUES(4, 20, 'not a date', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
    Exec(u"INSERT INTO inspect VALUES(3, 1, 'A', 1, 2, 3, 4, 5)");
    Exec(u"INSERT INTO inspect VALUES(3, 2, 'B', 1, 2, 3, 4, 5)");
    // A colony whose only date does not read.
    Exec(u"INSERT INTO journal VALUES(5, 21, '2011-01-05', 7, 5, 0, 0, 0, 0, 0, 0, 'odd', NULL)");

    CJournalCache cache;
    cache.LoadOnFirstUse(database->GetPath());
    const CJournalCache::Record* latest = cache.LatestRecordOf(20);
    ASSERT_NE(latest, nullptr);
    EXPECT_EQ(latest->note, u"second");
    EXPECT_EQ(HiveNamesOf(*latest), (std::vector<std::u16string> { u"A", u"B" }));
    EXPECT_EQ(cache.LatestRecordOf(21)->note, u"odd");
    EXPECT_EQ(cache.LatestRecordOf(22), nullptr);

    // Reading the latest record left the colony unloaded: a record stored since is read with it.
    Exec(u"INSERT INTO journal VALUES(6, 20, '06.01.2011 12:00:00', 7, 5, 0, 0, 0, 0, 0, 0, 'third', NULL)");
    EXPECT_EQ(cache.RecordsOf(20), (std::vector<std::int32_t> { 1, 2, 3, 4, 6 }));
    EXPECT_EQ(cache.LatestRecordOf(20)->note, u"third");
    cache.RemoveRecord(6);
    EXPECT_EQ(cache.LatestRecordOf(20)->note, u"second");
    EXPECT_TRUE(boxes.Calls().empty());
}
