#include "Calendar.h"
#include "ColonyEventCache.h"
#include "HandlersFixture.h"
#include "JournalChanges.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "SchemaMigrations.h"

#include <algorithm>

namespace {
// Two sites; colony Anna at the first with her queen Bella, colony Berta beside her; queen Stella
// kept in no colony.
class ColonyEventHandlerTest : public HandlersFixture
{
protected:
    ColonyEventHandlerTest()
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        LoadJournalStores(CDatabaseLease().get());
        north = AddPoint(u"North");
        south = AddPoint(u"South");
        anna = AddFamily(north, u"Anna");
        berta = AddFamily(north, u"Berta");
        bella = AddQueen(u"Bella", anna);
        stella = AddQueen(u"Stella", 0);
    }

    std::int32_t AddQueen(const std::u16string& name, std::int32_t idFamily)
    {
        CQueenBeeCache::QueenBee queen;
        queen.name = name;
        queen.id_family = idFamily;
        queen.date = day;
        return journal.queens.Add(queen);
    }

    static std::int32_t QueenFamily(std::int32_t idQueenBee)
    {
        return GetQueenBeeCache()->FindQueenBee(idQueenBee)->id_family;
    }

    const std::int64_t day = ParseDateText(u"12.05.2025 00:00:00");
    std::int32_t north = 0;
    std::int32_t south = 0;
    std::int32_t anna = 0;
    std::int32_t berta = 0;
    std::int32_t bella = 0;
    std::int32_t stella = 0;
    CColonyEventHandler& events = journal.colonyEvents;
    const CPointFamilyCache& colonies = *GetPointFamilyCache();
    const CColonyEventCache& lineage = *GetColonyEventCache();
};
}

TEST_F(ColonyEventHandlerTest, SplitMakesTheDaughterEverywhereAndItsUndoTakesItBack)
{
    EventLog log;
    CSplitColonyOperation::content split;
    split.id_family = anna;
    split.date = day;
    split.name = u"Anna II";
    split.id_point = south;
    split.brood_frames = 3;
    split.daughter_queen = DaughterQueen::StoredQueen;
    split.id_queen_bee = stella;
    const std::int32_t idEvent = events.Split(split);

    ASSERT_NE(idEvent, 0);
    const std::int32_t daughter = split.id_daughter;
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events WHERE kind=1 AND brood_frames=3"), 1);
    EXPECT_EQ(Count(u"SELECT id_family FROM queen_bee WHERE name='Stella'"), daughter);
    ASSERT_NE(colonies.FindFamily(daughter), nullptr);
    EXPECT_EQ(colonies.FindFamily(daughter)->name, u"Anna II");
    EXPECT_EQ(colonies.FamiliesOf(south), std::vector<std::int32_t> { daughter });
    EXPECT_EQ(QueenFamily(stella), daughter);
    EXPECT_EQ(lineage.MotherOf(daughter), anna);
    EXPECT_EQ(lineage.LatestOf(anna)->id_event, idEvent);
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { EventFamiliesChanged, EventQueenBeesChanged }));

    log.events.clear();
    EXPECT_TRUE(events.Undo(idEvent));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 2);
    EXPECT_EQ(colonies.FindFamily(daughter), nullptr);
    EXPECT_TRUE(colonies.FamiliesOf(south).empty());
    EXPECT_EQ(QueenFamily(stella), 0);
    EXPECT_EQ(lineage.MotherOf(daughter), 0);
    EXPECT_EQ(lineage.LatestOf(anna), nullptr);
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { EventFamiliesChanged, EventQueenBeesChanged }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ColonyEventHandlerTest, AMoveTakesTheColonyToTheOtherSitesListAndFiresOnlyTheColoniesEvent)
{
    EventLog log;
    CMoveColonyOperation::content move;
    move.id_family = berta;
    move.date = day;
    move.id_point = south;
    const std::int32_t idEvent = events.Move(move);

    ASSERT_NE(idEvent, 0);
    EXPECT_EQ(Count(u"SELECT id_point FROM families WHERE name='Berta'"), south);
    EXPECT_EQ(colonies.FindFamily(berta)->id_point, south);
    EXPECT_EQ(colonies.FamiliesOf(north), std::vector<std::int32_t> { anna });
    EXPECT_EQ(colonies.FamiliesOf(south), std::vector<std::int32_t> { berta });
    EXPECT_EQ(log.events, std::vector<std::int32_t> { EventFamiliesChanged });

    EXPECT_TRUE(events.Undo(idEvent));
    EXPECT_EQ(colonies.FindFamily(berta)->id_point, north);
    EXPECT_TRUE(colonies.FamiliesOf(south).empty());
    EXPECT_EQ(colonies.FamiliesOf(north).size(), 2u);
}

TEST_F(ColonyEventHandlerTest, ALossEndsTheColonyAndItsQueenInTheStores)
{
    EventLog log;
    CLoseColonyOperation::content loss;
    loss.id_family = anna;
    loss.date = day;
    loss.cause = LossCause::Varroa;
    ASSERT_NE(events.Lose(loss), 0);

    EXPECT_TRUE(lineage.HasEnded(anna));
    EXPECT_EQ(lineage.LossOf(anna)->cause, LossCause::Varroa);
    EXPECT_TRUE(GetQueenBeeCache()->FindQueenBee(bella)->is_dead);
    EXPECT_EQ(Count(u"SELECT is_dead FROM queen_bee WHERE name='Bella'"), 1);
    // The colony stays in the journal, ended.
    EXPECT_NE(colonies.FindFamily(anna), nullptr);
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { EventFamiliesChanged, EventQueenBeesChanged }));

    // Deleting the lost colony takes its loss with it from the store too.
    ASSERT_TRUE(journal.colonies.Delete(anna));
    EXPECT_EQ(lineage.LossOf(anna), nullptr);
}

TEST_F(ColonyEventHandlerTest, UniteAndRequeenKeepTheQueenStoreInStep)
{
    const std::int32_t greta = AddQueen(u"Greta", berta);
    CUniteColoniesOperation::content unite;
    unite.id_family = anna;
    unite.id_other_family = berta;
    unite.date = day;
    unite.id_removed_queen = greta;
    unite.removed_fate = QueenFate::Moved;
    ASSERT_NE(events.Unite(unite), 0);
    EXPECT_EQ(QueenFamily(greta), 0);
    EXPECT_EQ(lineage.UnitedInto(berta), anna);
    EXPECT_NE(colonies.FindFamily(berta), nullptr);

    CRequeenOperation::content requeen;
    requeen.id_family = anna;
    requeen.date = day;
    requeen.id_old_queen = bella;
    requeen.old_fate = QueenFate::Killed;
    requeen.new_name = u"Hanna";
    requeen.new_mother = bella;
    ASSERT_NE(events.Requeen(requeen), 0);
    EXPECT_TRUE(GetQueenBeeCache()->FindQueenBee(bella)->is_dead);
    const auto queens = GetQueenBeeCache()->QueensOf(anna);
    const auto hanna = std::find_if(queens.begin(), queens.end(), [](const auto& q) { return q.second.name == u"Hanna"; });
    ASSERT_NE(hanna, queens.end());
    EXPECT_EQ(GetQueenBeeCache()->DaughtersOf(bella), std::vector<std::int32_t> { hanna->first });

    // Undone, the new queen leaves the store with the file.
    ASSERT_TRUE(events.Undo(lineage.LatestOf(anna)->id_event));
    EXPECT_EQ(GetQueenBeeCache()->FindQueenBee(hanna->first), nullptr);
    EXPECT_FALSE(GetQueenBeeCache()->FindQueenBee(bella)->is_dead);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee WHERE name='Hanna'"), 0);
}

TEST_F(ColonyEventHandlerTest, ACaughtSwarmIsANewColonyWithTheQueenThatLeft)
{
    CSwarmOperation::content swarm;
    swarm.id_family = anna;
    swarm.date = day;
    swarm.id_queen_bee = bella;
    swarm.caught = true;
    swarm.name = u"Swarm 1";
    swarm.id_point = north;
    ASSERT_NE(events.Swarm(swarm), 0);
    EXPECT_EQ(colonies.FindFamily(swarm.id_swarm_family)->name, u"Swarm 1");
    EXPECT_EQ(colonies.FamiliesOf(north).back(), swarm.id_swarm_family);
    EXPECT_EQ(QueenFamily(bella), swarm.id_swarm_family);
    EXPECT_EQ(lineage.DaughtersOf(anna), std::vector<std::int32_t> { swarm.id_swarm_family });
}

TEST_F(ColonyEventHandlerTest, ARefusalIsToldOnceAndWritesAndFiresNothing)
{
    EventLog log;
    CUniteColoniesOperation::content unite;
    unite.id_family = anna;
    unite.id_other_family = anna;
    unite.date = day;
    EXPECT_EQ(events.Unite(unite), 0);
    EXPECT_EQ(unite.refusal, EventRefusal::SameColony);
    EXPECT_EQ(boxes.Calls().size(), 1u);

    // An undo of an event that is no longer the colony's latest.
    CMoveColonyOperation::content move;
    move.id_family = anna;
    move.date = day;
    move.id_point = south;
    const std::int32_t first = events.Move(move);
    move.id_point = north;
    ASSERT_NE(events.Move(move), 0);
    log.events.clear();
    EXPECT_FALSE(events.Undo(first));
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events"), 2);
    EXPECT_EQ(colonies.FindFamily(anna)->id_point, north);
    EXPECT_TRUE(log.events.empty());
    EXPECT_FALSE(events.Undo(kNoRow));
    EXPECT_EQ(boxes.Calls().size(), 2u);
}
