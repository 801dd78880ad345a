#include "ColonyEventCache.h"
#include "DatabaseManager.h"
#include "JournalStores.h"
#include "MessageBox.h"
#include "SchemaMigrations.h"
#include "TempWorkDir.h"

#include "Calendar.h"

#include <gtest/gtest.h>

namespace {
class ColonyEventCacheTest : public testing::Test
{
protected:
    ColonyEventCacheTest()
    {
        GetDatabaseManager()->Initialize();
        SchemaMigrations::Migrate(database.get());
    }

    // An event row of colony idFamily on the day.
    void Event(std::int32_t idFamily, ColonyEventKind kind, const char16_t* day, std::int32_t other = 0,
        LossCause cause = LossCause::None)
    {
        RowList rows;
        database->ExecRequest(rows,
            u"INSERT INTO colony_events(id_family, kind, date, id_other_family, cause) VALUES(" + Text(idFamily) + u", "
                + Text(static_cast<std::int32_t>(kind)) + u", '" + day + u" 00:00:00', " + Text(other) + u", "
                + Text(static_cast<std::int32_t>(cause)) + u")");
        ASSERT_FALSE(database->HasError());
    }

    static std::u16string Text(std::int32_t value)
    {
        const std::string text = std::to_string(value);
        return { text.begin(), text.end() };
    }

    static std::vector<std::int32_t> Ids(const std::vector<CColonyEventCache::Event>& events)
    {
        std::vector<std::int32_t> ids;
        for (const CColonyEventCache::Event& event : events)
            ids.push_back(event.id_event);
        return ids;
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    CDatabaseLease database;
    CColonyEventCache& cache = *GetColonyEventCache();
};
}

TEST_F(ColonyEventCacheTest, TheStartKnowsMothersDaughtersLossesAndUnions)
{
    Event(1, ColonyEventKind::Split, u"10.05.2023", 4);
    Event(1, ColonyEventKind::Swarm, u"01.06.2023", 5);
    // A swarm that got away made no colony.
    Event(2, ColonyEventKind::Swarm, u"02.06.2023");
    Event(2, ColonyEventKind::Unite, u"01.09.2023", 3);
    Event(4, ColonyEventKind::Loss, u"20.02.2024", 0, LossCause::Varroa);
    LoadJournalStores(database.get());

    EXPECT_EQ(cache.MotherOf(4), 1);
    EXPECT_EQ(cache.MotherOf(5), 1);
    EXPECT_EQ(cache.MotherOf(1), 0);
    EXPECT_EQ(cache.DaughtersOf(1), (std::vector<std::int32_t> { 4, 5 }));
    EXPECT_TRUE(cache.DaughtersOf(2).empty());
    EXPECT_EQ(cache.UnitedInto(3), 2);
    EXPECT_EQ(cache.UnitedIn(2), std::vector<std::int32_t> { 3 });
    EXPECT_TRUE(cache.UnitedIn(3).empty());
    ASSERT_NE(cache.LossOf(4), nullptr);
    EXPECT_EQ(cache.LossOf(4)->cause, LossCause::Varroa);
    EXPECT_EQ(cache.LossOf(4)->date, ParseDateText(u"20.02.2024"));
    std::vector<std::int32_t> ended;
    for (const std::int32_t idFamily : { 1, 2, 3, 4, 5 }) {
        if (cache.HasEnded(idFamily))
            ended.push_back(idFamily);
    }
    EXPECT_EQ(ended, (std::vector<std::int32_t> { 3, 4 }));

    // A reload after an undo forgets what went.
    RowList rows;
    database->ExecRequest(rows, u"DELETE FROM colony_events WHERE kind=6");
    cache.Load(database.get());
    EXPECT_FALSE(cache.HasEnded(4));
    EXPECT_EQ(cache.MotherOf(4), 1);
}

TEST_F(ColonyEventCacheTest, AColonysEventsAreReadAtFirstUseInDateOrderWithThoseNamingIt)
{
    Event(2, ColonyEventKind::Move, u"01.07.2023");
    Event(1, ColonyEventKind::Split, u"10.05.2023", 2);
    Event(2, ColonyEventKind::Requeen, u"01.07.2023");
    Event(3, ColonyEventKind::Move, u"01.04.2023");
    cache.Load(database.get());
    // Entered after the load: the colony's events are read when first asked for.
    Event(2, ColonyEventKind::Loss, u"01.03.2024", 0, LossCause::Robbing);

    EXPECT_EQ(Ids(cache.EventsOf(2)), (std::vector<std::int32_t> { 2, 1, 3, 5 }));
    EXPECT_EQ(cache.EventsOf(2)[0].kind, ColonyEventKind::Split);
    EXPECT_EQ(cache.EventsOf(2)[3].cause, LossCause::Robbing);
    ASSERT_NE(cache.LatestOf(2), nullptr);
    EXPECT_EQ(cache.LatestOf(2)->id_event, 5);
    EXPECT_EQ(Ids(cache.EventsOf(1)), std::vector<std::int32_t> { 2 });
    EXPECT_EQ(cache.LatestOf(6), nullptr);
    // Once read, a colony's events stay until the next load.
    Event(1, ColonyEventKind::Move, u"01.08.2023");
    EXPECT_EQ(cache.EventsOf(1).size(), 1u);
    cache.Load(database.get());
    EXPECT_EQ(cache.EventsOf(1).size(), 2u);
}

TEST_F(ColonyEventCacheTest, AJournalWithoutTheEventTablesHasNoEventsAndNoError)
{
    Event(1, ColonyEventKind::Loss, u"01.03.2024", 0, LossCause::Other);
    cache.Load(database.get());
    ASSERT_TRUE(cache.HasEnded(1));
    RowList rows;
    database->ExecRequest(rows, u"DROP TABLE colony_events");
    cache.Load(database.get());
    EXPECT_FALSE(cache.HasEnded(1));
    EXPECT_TRUE(cache.EventsOf(1).empty());
    EXPECT_TRUE(boxes.Calls().empty());
}
