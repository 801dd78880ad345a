#include "Calendar.h"
#include "CareCache.h"
#include "HandlersFixture.h"
#include "SchemaMigrations.h"

namespace {
class MiteCountHandlerTest : public HandlersFixture
{
protected:
    MiteCountHandlerTest()
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        LoadJournalStores(CDatabaseLease().get());
        anna = AddFamily(AddPoint(u"North"), u"Anna");
    }

    MiteCount WashOf(std::int32_t mites, std::int32_t bees) const
    {
        MiteCount count;
        count.id_family = anna;
        count.date = LocalMidnight(2026, 8, 10);
        count.method = MiteMethod::AlcoholWash;
        count.mites = mites;
        count.sample = bees;
        return count;
    }

    std::int32_t anna = 0;
    CCareHandler& care = journal.care;
};
}

TEST_F(MiteCountHandlerTest, ACountIsStoredReadBackAndGoesWithItsColony)
{
    MiteCount wash = WashOf(9, 300);
    wash.days = 4;
    ASSERT_NE(care.AddMiteCount(wash), 0);
    MiteCount board;
    board.id_family = anna;
    board.date = LocalMidnight(2026, 8, 17);
    board.method = MiteMethod::StickyBoard;
    board.mites = 35;
    board.sample = 300;
    board.days = 3.5;
    ASSERT_NE(care.AddMiteCount(board), 0);
    // A board's count keeps no sample, a wash's no days.
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts WHERE method=2 AND mites=9 AND sample=300 AND days=0"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts WHERE method=1 AND sample=0 AND days=3.5"), 1);
    const std::vector<MiteCount> counts = GetCareCache()->CountsOf(anna);
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_DOUBLE_EQ(*Infestation(counts[0]), 3.0);
    EXPECT_DOUBLE_EQ(*Infestation(counts[1]), 10.0);

    ASSERT_TRUE(care.DeleteMiteCount(counts[0].id));
    EXPECT_EQ(GetCareCache()->CountsOf(anna).size(), 1u);
    ASSERT_TRUE(journal.colonies.Delete(anna));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts"), 0);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MiteCountHandlerTest, ACountWithoutItsSampleOrDaysIsRefusedOnce)
{
    MiteCount noBees = WashOf(9, 0);
    MiteCount negative = WashOf(-1, 300);
    MiteCount cells = WashOf(70, 60);
    cells.method = MiteMethod::DroneBrood;
    MiteCount board = WashOf(20, 0);
    board.method = MiteMethod::StickyBoard;
    MiteCount gone = WashOf(9, 300);
    gone.id_family = 999;
    for (MiteCount* count : { &noBees, &negative, &cells, &board, &gone })
        EXPECT_EQ(care.AddMiteCount(*count), 0);
    EXPECT_EQ(boxes.Calls().size(), 5u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts"), 0);
}
