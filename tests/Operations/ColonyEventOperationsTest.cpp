#include "ColonyEventFixture.h"
#include "DeleteOperation.h"
#include "LoseColonyOperation.h"
#include "MoveColonyOperation.h"
#include "RequeenOperation.h"
#include "SplitColonyOperation.h"
#include "SwarmOperation.h"
#include "UniteColoniesOperation.h"

using ColonyEventOperationsTest = ColonyEventFixture;

TEST_F(ColonyEventOperationsTest, ASplitMakesTheDaughterAtItsSiteWithTheMothersQueenAndItsUndoRemovesIt)
{
    const TableDump before = Dump();
    CSplitColonyOperation split;
    split.record.id_family = 1;
    split.record.date = Day(u"15.05.2023");
    split.record.note = u"nucleus";
    split.record.name = u"Anna's daughter";
    split.record.id_point = 2;
    split.record.type = 2;
    split.record.brood_frames = 3;
    split.record.honey_frames = 1;
    split.record.bee_frames = 2;
    split.record.daughter_queen = DaughterQueen::OldQueen;
    split.record.id_queen_bee = 1;
    const std::int32_t idEvent = Run(split);
    ASSERT_NE(idEvent, 0);
    const std::int32_t daughter = split.record.id_daughter;
    EXPECT_EQ(daughter, 4);

    EXPECT_EQ(Column(u"SELECT name || ':' || id_point || ':' || type FROM families WHERE id_family=4"),
        std::vector<std::u16string> { u"Anna's daughter:2:2" });
    EXPECT_EQ(Column(u"SELECT id_family || ':' || kind || ':' || substr(date, 1, 10) || ':' || note || ':' || id_other_family "
                     u"|| ':' || id_point_to || ':' || brood_frames || honey_frames || bee_frames || ':' || daughter_queen "
                     u"FROM colony_events"),
        std::vector<std::u16string> { u"1:1:15.05.2023:nucleus:4:2:312:1" });
    EXPECT_EQ(Queens(u"ifnull(id_family, 'none')"), (std::vector<std::u16string> { u"4", u"2", u"3", u"none" }));
    EXPECT_EQ(EventQueens(idEvent), std::vector<std::u16string> { u"1:3:0" });

    EXPECT_EQ(Undo(idEvent), EventRefusal::None);
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ColonyEventOperationsTest, ASplitTakesAStoredQueenOrACellOrNoneAndRefusesWhatIsNotThere)
{
    CSplitColonyOperation split;
    split.record.id_family = 2;
    split.record.date = Day(u"15.05.2023");
    split.record.name = u"Nucleus";
    split.record.id_point = 1;
    split.record.daughter_queen = DaughterQueen::StoredQueen;
    split.record.id_queen_bee = 4;
    ASSERT_NE(Run(split), 0);
    EXPECT_EQ(Queens(u"ifnull(id_family, 'none')"), (std::vector<std::u16string> { u"1", u"2", u"3", u"4" }));
    EXPECT_EQ(EventQueens(split.record.id_event), std::vector<std::u16string> { u"4:4:0" });

    const TableDump before = Dump();
    const auto refused = [&](CSplitColonyOperation::content record) {
        split.record = record;
        Run(split);
        return split.record.refusal;
    };
    CSplitColonyOperation::content record = split.record;
    // Queen 4 is in a colony now; queen 1 is not colony 2's.
    EXPECT_EQ(refused(record), EventRefusal::QueenNotThere);
    record.daughter_queen = DaughterQueen::OldQueen;
    record.id_queen_bee = 1;
    EXPECT_EQ(refused(record), EventRefusal::QueenNotThere);
    record.daughter_queen = DaughterQueen::QueenCell;
    record.id_point = 9;
    EXPECT_EQ(refused(record), EventRefusal::NoSite);
    record.id_point = 1;
    record.brood_frames = -1;
    EXPECT_EQ(refused(record), EventRefusal::BadChoice);
    record.brood_frames = 0;
    record.date = Day(u"14.05.2023");
    EXPECT_EQ(refused(record), EventRefusal::BeforeLatestEvent);
    record.id_family = 9;
    EXPECT_EQ(refused(record), EventRefusal::NoColony);
    EXPECT_EQ(split.record.id_event, 0);
    EXPECT_EQ(Dump(), before);

    // The same day as the latest event is fine; a queen cell needs no queen.
    record.id_family = 2;
    record.date = Day(u"15.05.2023");
    EXPECT_EQ(refused(record), EventRefusal::None);
    EXPECT_TRUE(EventQueens(split.record.id_event).empty());
}

TEST_F(ColonyEventOperationsTest, AUniteKillsOrStoresOneQueenBringsTheOthersAndEndsTheColonyUnitedIn)
{
    Exec(u"INSERT INTO queen_bee(name, id_family, date, is_dead) VALUES('Old', 2, '01.06.2019 00:00:00', 1)");
    const TableDump before = Dump();
    CUniteColoniesOperation unite;
    unite.record.id_family = 1;
    unite.record.id_other_family = 2;
    unite.record.date = Day(u"01.09.2023");
    unite.record.id_removed_queen = 1;
    unite.record.removed_fate = QueenFate::Moved;
    const std::int32_t idEvent = Run(unite);
    ASSERT_NE(idEvent, 0);
    // Queen 1 went to the store, queen 2 came along into colony 1; the dead queen stays where she was.
    EXPECT_EQ(Queens(u"ifnull(id_family, 'none') || ':' || ifnull(is_dead, 'null')"),
        (std::vector<std::u16string> { u"0:0", u"1:null", u"3:0", u"none:0", u"2:1" }));
    EXPECT_EQ(EventQueens(idEvent), (std::vector<std::u16string> { u"1:3:0", u"2:3:0" }));

    // Colony 2 ended; colony 1 goes on.
    CMoveColonyOperation move;
    move.record.id_family = 2;
    move.record.date = Day(u"02.09.2023");
    move.record.id_point = 2;
    EXPECT_EQ(Run(move), 0);
    EXPECT_EQ(move.record.refusal, EventRefusal::ColonyEnded);
    move.record.id_family = 1;
    const std::int32_t moved = Run(move);
    EXPECT_NE(moved, 0);
    EXPECT_EQ(Undo(idEvent), EventRefusal::NotLatestEvent);
    EXPECT_EQ(Undo(moved), EventRefusal::None);
    EXPECT_EQ(Undo(idEvent), EventRefusal::None);
    EXPECT_EQ(Dump(), before);

    unite.record.id_other_family = 1;
    EXPECT_EQ(Run(unite), 0);
    EXPECT_EQ(unite.record.refusal, EventRefusal::SameColony);
    unite.record.id_other_family = 3;
    unite.record.id_removed_queen = 3;
    unite.record.removed_fate = QueenFate::Killed;
    ASSERT_NE(Run(unite), 0);
    EXPECT_EQ(Queens(u"ifnull(is_dead, 'null')"), (std::vector<std::u16string> { u"0", u"null", u"1", u"0", u"1" }));
}

TEST_F(ColonyEventOperationsTest, ARequeenWithANewQueenKeepsHerMotherAndItsUndoTakesHerAway)
{
    const TableDump before = Dump();
    CRequeenOperation requeen;
    requeen.record.id_family = 1;
    requeen.record.date = Day(u"10.07.2023");
    requeen.record.id_old_queen = 1;
    requeen.record.old_fate = QueenFate::Superseded;
    requeen.record.new_name = u"Young";
    requeen.record.new_mother = 1;
    requeen.record.new_breed = 2;
    const std::int32_t idEvent = Run(requeen);
    ASSERT_NE(idEvent, 0);
    EXPECT_EQ(Column(u"SELECT name || ':' || id_family || ':' || id_parent_queen_bee || ':' || substr(date, 1, 10) || ':' "
                     u"|| breed || ':' || is_dead FROM queen_bee WHERE id_queen_bee=5"),
        std::vector<std::u16string> { u"Young:1:1:10.07.2023:2:0" });
    EXPECT_EQ(Queens(u"is_dead"), (std::vector<std::u16string> { u"1", u"", u"0", u"0", u"0" }));
    EXPECT_EQ(EventQueens(idEvent), (std::vector<std::u16string> { u"1:2:0", u"5:4:1" }));

    // A daughter of the new queen would lose her mother: the undo waits until she is gone.
    Exec(u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date) VALUES('Grandchild', 0, 5, '01.06.2024 00:00:00')");
    EXPECT_EQ(Undo(idEvent), EventRefusal::ChangedSince);
    Exec(u"DELETE FROM queen_bee WHERE name='Grandchild'");
    EXPECT_EQ(Undo(idEvent), EventRefusal::None);
    EXPECT_EQ(Dump(), before);
}

TEST_F(ColonyEventOperationsTest, ARequeenFromTheStoreMovesTheOldQueenAndRefusesWrongQueens)
{
    const TableDump before = Dump();
    CRequeenOperation requeen;
    requeen.record.id_family = 2;
    requeen.record.date = Day(u"10.07.2023");
    requeen.record.id_old_queen = 2;
    requeen.record.old_fate = QueenFate::Moved;
    requeen.record.old_to_family = 3;
    requeen.record.id_new_queen = 4;
    const std::int32_t idEvent = Run(requeen);
    ASSERT_NE(idEvent, 0);
    EXPECT_EQ(Queens(u"ifnull(id_family, 'none') || ':' || ifnull(is_dead, 'null')"),
        (std::vector<std::u16string> { u"1:0", u"3:null", u"3:0", u"2:0" }));
    // Queen 2 is no longer colony 2's, queen 3 lives in colony 3 already.
    requeen.record.date = Day(u"11.07.2023");
    EXPECT_EQ(Run(requeen), 0);
    EXPECT_EQ(requeen.record.refusal, EventRefusal::QueenNotThere);
    requeen.record.id_old_queen = 4;
    requeen.record.id_new_queen = 4;
    EXPECT_EQ(Run(requeen), 0);
    EXPECT_EQ(requeen.record.refusal, EventRefusal::BadChoice);
    requeen.record.id_new_queen = 0;
    requeen.record.new_name.clear();
    EXPECT_EQ(Run(requeen), 0);
    EXPECT_EQ(requeen.record.refusal, EventRefusal::BadChoice);

    // The beekeeper moved queen 2 on since: the undo would take her back unseen.
    Exec(u"UPDATE queen_bee SET id_family=1 WHERE id_queen_bee=2");
    EXPECT_EQ(Undo(idEvent), EventRefusal::ChangedSince);
    Exec(u"UPDATE queen_bee SET id_family=3 WHERE id_queen_bee=2");
    EXPECT_EQ(Undo(idEvent), EventRefusal::None);
    EXPECT_EQ(Dump(), before);
}

TEST_F(ColonyEventOperationsTest, ACaughtSwarmIsADaughterWithTheQueenThatLeftAndALostOneTakesHerAlong)
{
    const TableDump before = Dump();
    CSwarmOperation swarm;
    swarm.record.id_family = 3;
    swarm.record.date = Day(u"02.06.2023");
    swarm.record.id_queen_bee = 3;
    swarm.record.caught = true;
    swarm.record.name = u"Swarm";
    swarm.record.id_point = 1;
    const std::int32_t caught = Run(swarm);
    ASSERT_NE(caught, 0);
    EXPECT_EQ(swarm.record.id_swarm_family, 4);
    EXPECT_EQ(Column(u"SELECT id_family || ':' || caught || ':' || id_other_family || ':' || id_point_to FROM colony_events"),
        std::vector<std::u16string> { u"3:1:4:1" });
    EXPECT_EQ(Queens(u"ifnull(id_family, 'none')"), (std::vector<std::u16string> { u"1", u"2", u"4", u"none" }));

    // Records of the new colony would go with an undo.
    Exec(u"INSERT INTO evacuation VALUES('01.08.2023 00:00:00', 4, 5, NULL)");
    EXPECT_EQ(Undo(caught), EventRefusal::ChangedSince);
    Exec(u"DELETE FROM evacuation");
    EXPECT_EQ(Undo(caught), EventRefusal::None);
    EXPECT_EQ(Dump(), before);

    swarm.record.caught = false;
    swarm.record.id_queen_bee = 3;
    const std::int32_t lost = Run(swarm);
    ASSERT_NE(lost, 0);
    EXPECT_EQ(swarm.record.id_swarm_family, 0);
    EXPECT_EQ(Queens(u"ifnull(id_family, 'none') || ':' || ifnull(is_dead, 'null')"),
        (std::vector<std::u16string> { u"1:0", u"2:null", u"3:1", u"none:0" }));
    EXPECT_EQ(Count(u"families"), 3);
    EXPECT_EQ(Undo(lost), EventRefusal::None);
    EXPECT_EQ(Dump(), before);
}

TEST_F(ColonyEventOperationsTest, AMoveKeepsWhereTheColonyCameFromAndItsUndoTakesItBack)
{
    const TableDump before = Dump();
    CMoveColonyOperation move;
    move.record.id_family = 2;
    move.record.date = Day(u"01.04.2023");
    move.record.id_point = 2;
    const std::int32_t first = Run(move);
    move.record.date = Day(u"01.10.2023");
    move.record.id_point = 1;
    const std::int32_t second = Run(move);
    ASSERT_NE(second, 0);
    EXPECT_EQ(Column(u"SELECT id_point_from || '>' || id_point_to FROM colony_events ORDER BY id_event"),
        (std::vector<std::u16string> { u"1>2", u"2>1" }));
    // Only the site changed: the colony's NULLs stay NULL.
    EXPECT_EQ(Column(u"SELECT quote(type) || quote(note) || quote(id_record) FROM families WHERE id_family=2"),
        std::vector<std::u16string> { u"NULLNULLNULL" });
    EXPECT_EQ(Run(move), 0);
    EXPECT_EQ(move.record.refusal, EventRefusal::SameSite);

    EXPECT_EQ(Undo(first), EventRefusal::NotLatestEvent);
    // Moved outside the events, the colony is not where the move left it.
    Exec(u"UPDATE families SET id_point=2 WHERE id_family=2");
    EXPECT_EQ(Undo(second), EventRefusal::ChangedSince);
    Exec(u"UPDATE families SET id_point=1 WHERE id_family=2");
    EXPECT_EQ(Undo(second), EventRefusal::None);
    EXPECT_EQ(Undo(first), EventRefusal::None);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(Undo(first), EventRefusal::NoEvent);
}

TEST_F(ColonyEventOperationsTest, ALossKeepsTheColonyMarksItsQueensDeadAndTakesOnlyACauseOfTheList)
{
    const TableDump before = Dump();
    CLoseColonyOperation loss;
    loss.record.id_family = 2;
    loss.record.date = Day(u"20.02.2024");
    loss.record.cause = static_cast<LossCause>(7);
    EXPECT_EQ(Run(loss), 0);
    EXPECT_EQ(loss.record.refusal, EventRefusal::BadChoice);
    loss.record.cause = LossCause::Varroa;
    const std::int32_t idEvent = Run(loss);
    ASSERT_NE(idEvent, 0);
    EXPECT_EQ(Column(u"SELECT kind || ':' || cause FROM colony_events"), std::vector<std::u16string> { u"6:2" });
    EXPECT_EQ(Count(u"families WHERE id_family=2"), 1);
    EXPECT_EQ(Queens(u"is_dead"), (std::vector<std::u16string> { u"0", u"1", u"0", u"0" }));
    EXPECT_EQ(EventQueens(idEvent), std::vector<std::u16string> { u"2:6:0" });
    EXPECT_EQ(Run(loss), 0);
    EXPECT_EQ(loss.record.refusal, EventRefusal::ColonyEnded);

    // The queen's NULL mark comes back as NULL, not as 0.
    EXPECT_EQ(Undo(idEvent), EventRefusal::None);
    EXPECT_EQ(Dump(), before);
}

TEST_F(ColonyEventOperationsTest, DeletingAColonyTakesItsOwnEventsAndKeepsThoseOfOtherColonies)
{
    CSplitColonyOperation split;
    split.record.id_family = 1;
    split.record.date = Day(u"15.05.2023");
    split.record.name = u"Daughter";
    split.record.id_point = 1;
    const std::int32_t idSplit = Run(split);
    CLoseColonyOperation loss;
    loss.record.id_family = split.record.id_daughter;
    loss.record.date = Day(u"20.02.2024");
    loss.record.cause = LossCause::Starvation;
    ASSERT_NE(Run(loss), 0);

    CDeleteOperation remove;
    remove.record.kind = DeleteKind::Colony;
    remove.record.id = split.record.id_daughter;
    remove.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT id_event FROM colony_events"), std::vector<std::u16string> { IntToText(idSplit) });
    // With the daughter gone, the split's undo has nothing else to take.
    EXPECT_EQ(Undo(idSplit), EventRefusal::None);
    EXPECT_EQ(Count(u"colony_events"), 0);

    // Colony 3 united into colony 2 stays ended when colony 2 is deleted.
    CUniteColoniesOperation unite;
    unite.record.id_family = 2;
    unite.record.id_other_family = 3;
    unite.record.date = Day(u"01.09.2023");
    const std::int32_t idUnite = Run(unite);
    ASSERT_NE(idUnite, 0);
    remove.record.kind = DeleteKind::Colony;
    remove.record.id = 2;
    remove.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT id_other_family FROM colony_events"), std::vector<std::u16string> { u"3" });
}

TEST_F(ColonyEventOperationsTest, AnUndoTakesNothingBackToAColonyOrSiteThatIsGone)
{
    CRequeenOperation requeen;
    requeen.record.id_family = 1;
    requeen.record.date = Day(u"10.07.2023");
    requeen.record.id_new_queen = 3;
    const std::int32_t idRequeen = Run(requeen);
    ASSERT_NE(idRequeen, 0);
    CMoveColonyOperation move;
    move.record.id_family = 2;
    move.record.date = Day(u"10.07.2023");
    move.record.id_point = 2;
    const std::int32_t idMove = Run(move);
    ASSERT_NE(idMove, 0);
    Exec(u"DELETE FROM families WHERE id_family=3");
    Exec(u"DELETE FROM points WHERE id_point=1");
    const TableDump before = Dump();

    EXPECT_EQ(Undo(idRequeen), EventRefusal::ChangedSince);
    EXPECT_EQ(Undo(idMove), EventRefusal::ChangedSince);
    EXPECT_EQ(Dump(), before);
}

TEST_F(ColonyEventOperationsTest, AJournalWithoutTheEventTablesRefusesEventsBeforeWriting)
{
    Exec(u"DROP TABLE colony_event_queens");
    Exec(u"DROP TABLE colony_events");
    CLoseColonyOperation loss;
    loss.record.id_family = 1;
    loss.record.cause = LossCause::Other;
    EXPECT_EQ(Run(loss), 0);
    EXPECT_EQ(loss.record.refusal, EventRefusal::NoEventTables);
    EXPECT_EQ(Undo(1), EventRefusal::NoEvent);
    // A colony is still deleted.
    CDeleteOperation remove;
    remove.record.kind = DeleteKind::Colony;
    remove.record.id = 3;
    remove.Delete(db.get());
    EXPECT_EQ(Count(u"families"), 2);
    EXPECT_TRUE(boxes.Calls().empty());
}
