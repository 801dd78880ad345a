#include "ChangeQBParamOperation.h"
#include "DeleteQBFamilyOperation.h"
#include "HousingsTable.h"
#include "OperationFixture.h"
#include "UpdateFHOperation.h"

using MoveOperationsTest = OperationFixture;

TEST_F(MoveOperationsTest, HivesMoveOneByOneOrAllOfAColony)
{
    Exec(u"INSERT INTO housings(name, id_family, is_delete) VALUES('A', 7, 0), ('B', 7, 1), ('C', 7, 0), ('D', 8, 0)");

    CUpdateFHOperation move;
    move.record.id_housing = 3;
    move.record.from_family = 8;
    move.record.id_family = 8;
    move.Update(db.get());
    EXPECT_EQ(move.record.id_housing, 0);
    EXPECT_EQ(Column(u"SELECT id_family FROM housings ORDER BY id_housing"),
        (std::vector<std::u16string> { u"7", u"7", u"8", u"8" }));

    move.record.from_family = 7;
    move.Update(db.get());
    EXPECT_EQ(Column(u"SELECT id_family FROM housings ORDER BY id_housing"),
        (std::vector<std::u16string> { u"0", u"0", u"8", u"8" }));
    CHousingsTable housings;
    housings.record.id_family = 0;
    const auto loose = SelectFrom(housings);
    ASSERT_EQ(loose.size(), 1u);
    EXPECT_EQ(loose.front()->name, u"A");

    // Neither key set: nothing to move.
    move.record.id_family = 5;
    move.Update(db.get());
    EXPECT_EQ(Count(u"housings WHERE id_family=5"), 0);
}

TEST_F(MoveOperationsTest, QueenColonyAndMotherChangeAndRelease)
{
    Exec(u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date) VALUES('Q1', 2, 0, '01.06.2010 00:00:00'), "
         u"('Q2', 2, 1, '01.06.2010 00:00:00'), ('Q3', 3, 1, '01.06.2010 00:00:00')");

    CChangeQBParamOperation change;
    change.record.id_queen_bee = 1;
    change.record.id_family = 3;
    change.record.id_parent_queen_bee = 2;
    change.record.which = 1;
    change.Update(db.get());
    EXPECT_EQ(change.record.which, 0);
    EXPECT_EQ(Column(u"SELECT id_family || ':' || id_parent_queen_bee FROM queen_bee ORDER BY id_queen_bee"),
        (std::vector<std::u16string> { u"3:0", u"2:1", u"3:1" }));

    change.record = { };
    change.record.id_queen_bee = 2;
    change.record.id_parent_queen_bee = 0;
    change.record.which = 2;
    change.Update(db.get());
    change.record.id_queen_bee = 3;
    change.record.id_parent_queen_bee = 3;
    change.record.which = 2;
    change.Update(db.get());
    change.record.id_queen_bee = 1;
    change.record.id_family = 9;
    change.Update(db.get());
    EXPECT_EQ(Column(u"SELECT id_family || ':' || id_parent_queen_bee FROM queen_bee ORDER BY id_queen_bee"),
        (std::vector<std::u16string> { u"3:0", u"2:0", u"3:3" }));

    CDeleteQBFamilyOperation release;
    release.record.id_family = 3;
    release.Delete(db.get());
    EXPECT_EQ(release.record.id_family, 0);
    release.record.id_family = 4;
    release.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT id_family FROM queen_bee ORDER BY id_queen_bee"),
        (std::vector<std::u16string> { u"0", u"2", u"0" }));
    EXPECT_TRUE(boxes.Calls().empty());
}
