#include "FamiliesTable.h"
#include "HousingsTable.h"
#include "PointsTable.h"
#include "TableFixture.h"
#include "TypeFrameTable.h"
#include "TypeHousingsTable.h"

using PointsTableTest = TableFixture;
using FamiliesTableTest = TableFixture;
using HousingsTableTest = TableFixture;
using TypeTableTest = TableFixture;

TEST_F(PointsTableTest, KeysComeFromMaxAndTheInsertKeepsTheRecord)
{
    CPointsTable points;
    points.record.name = u"Meadow";
    points.record.note = u"by the river";
    points.record.id_record = 4;
    points.Insert(db.get());
    EXPECT_EQ(points.record.id_point, 1);
    EXPECT_EQ(points.record.name, u"Meadow");
    points.record.name = u"Forest";
    points.Insert(db.get());
    EXPECT_EQ(points.record.id_point, 2);

    points.record = {};
    points.record.id_point = 1;
    const auto rows = SelectFrom(points);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->name, u"Meadow");
    EXPECT_EQ(rows[0]->note, u"by the river");
    EXPECT_EQ(rows[0]->id_record, 4);
    EXPECT_EQ(points.record.id_point, 0);
    EXPECT_EQ(SelectFrom(points).size(), 2u);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PointsTableTest, RefusedInsertGivesNoKeyInsteadOfAnotherRowsKey)
{
    CPointsTable points;
    points.record.name = u"Meadow";
    points.Insert(db.get());
    ASSERT_EQ(points.record.id_point, 1);
    Exec(u"CREATE TRIGGER refuse BEFORE INSERT ON points BEGIN SELECT RAISE(ABORT, 'refused'); END");
    points.record.name = u"Forest";
    points.Insert(db.get());
    EXPECT_EQ(points.record.id_point, 0);
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text.rfind(u"Error: refused\n", 0), 0u);
}

TEST_F(PointsTableTest, ApostrophesRoundTripAndDeleteByKeyAndName)
{
    CPointsTable points;
    points.record.name = u"O'Neil's yard";
    points.Insert(db.get());
    points.record = {};
    points.record.id_point = 1;
    points.record.name = u"O'Neil's yard";
    points.record.note = u"it's ''quoted''";
    points.Update(db.get());
    EXPECT_EQ(points.record.name, u"");
    auto rows = SelectFrom(points);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->name, u"O'Neil's yard");
    EXPECT_EQ(rows[0]->note, u"it's ''quoted''");

    points.record.id_point = 1;
    points.record.name = u"other name";
    points.Delete(db.get());
    EXPECT_EQ(SelectFrom(points).size(), 1u);
    points.record.id_point = 1;
    points.record.name = u"O'Neil's yard";
    points.Delete(db.get());
    EXPECT_TRUE(SelectFrom(points).empty());
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(FamiliesTableTest, UpdateWritesEveryColumnOfExactlyItsRow)
{
    CFamiliesTable families;
    for (const char16_t* name : { u"First", u"Second" }) {
        families.record = {};
        families.record.name = name;
        families.record.id_point = 1;
        families.Insert(db.get());
    }
    EXPECT_EQ(families.record.id_family, 2);

    families.record = {};
    families.record.id_family = 1;
    families.record.name = u"Renamed";
    families.record.id_point = 3;
    families.record.type = 2;
    families.record.note = u"calm";
    families.record.id_record = 9;
    families.Update(db.get());
    EXPECT_EQ(families.record.id_family, 0);

    EXPECT_EQ(Exec(u"SELECT name, id_point, type, note, id_record FROM families ORDER BY id_family"),
        (RowList { { { u"name", u"Renamed" }, { u"id_point", u"3" }, { u"type", u"2" }, { u"note", u"calm" },
                       { u"id_record", u"9" } },
            { { u"name", u"Second" }, { u"id_point", u"1" }, { u"type", u"0" }, { u"note", u"" },
                { u"id_record", u"0" } } }));

    families.record.id_point = 1;
    const auto atSite = SelectFrom(families);
    ASSERT_EQ(atSite.size(), 1u);
    EXPECT_EQ(atSite[0]->name, u"Second");
}

TEST_F(HousingsTableTest, DeletedHiveVanishesFromEverySelect)
{
    CHousingsTable housings;
    housings.record.name = u"H1";
    housings.record.id_family = 7;
    housings.record.type_housing = 2;
    housings.Insert(db.get());
    EXPECT_EQ(housings.record.id_housing, 1);
    housings.record.name = u"H2";
    housings.record.id_family = 0;
    housings.Insert(db.get());
    EXPECT_EQ(housings.record.id_housing, 2);

    housings.record = {};
    EXPECT_EQ(SelectFrom(housings).size(), 2u);
    housings.record.id_family = 0;
    const auto withoutColony = SelectFrom(housings);
    ASSERT_EQ(withoutColony.size(), 1u);
    EXPECT_EQ(withoutColony[0]->name, u"H2");

    housings.record.id_housing = 1;
    housings.Delete(db.get());
    EXPECT_EQ(housings.record.id_family, -1);
    EXPECT_EQ(
        Column(u"SELECT is_delete FROM housings ORDER BY id_housing"), (std::vector<std::u16string> { u"1", u"0" }));

    housings.record.id_housing = 1;
    EXPECT_TRUE(SelectFrom(housings).empty());
    housings.record.id_family = 7;
    EXPECT_TRUE(SelectFrom(housings).empty());
    const auto all = SelectFrom(housings);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0]->id_housing, 2);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(HousingsTableTest, InsertInsideACallersTransactionLeavesThatTransactionOpen)
{
    db->BeginTransaction(u"Add Family");
    CHousingsTable housings;
    housings.record.name = u"H1";
    housings.Insert(db.get());
    EXPECT_EQ(housings.record.id_housing, 1);
    Exec(u"INSERT INTO points(name) VALUES('late')");
    db->EndTransaction(u"Add Family");
    EXPECT_FALSE(db->HasError());
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Column(u"SELECT name FROM housings"), (std::vector<std::u16string> { u"H1" }));
}

TEST_F(TypeTableTest, KeysStartAtOneSoNoTypeStaysZeroAndAStoredZeroTypeCannotBeDeleted)
{
    CTypeHousingsTable types;
    types.record.name = u"Dadant";
    types.Insert(db.get());
    EXPECT_EQ(types.record.id_type, 1);
    EXPECT_EQ(types.record.name, u"Dadant");

    // An older journal whose first type got 0 keeps it, and keys go on after the largest.
    Exec(u"INSERT INTO type_housing(id_type, name) VALUES(0, 'Langstroth')");
    types.record.name = u"Warre";
    types.Insert(db.get());
    EXPECT_EQ(types.record.id_type, 2);
    types.record = {};
    types.record.id_type = 0;
    types.Delete(db.get());
    types.record.id_type = 2;
    types.Delete(db.get());
    const auto left = SelectFrom(types);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0]->id_type, 0);
    EXPECT_EQ(left[0]->name, u"Langstroth");

    // The other dictionary is a table of its own.
    CTypeFrameTable frames;
    frames.record.name = u"Deep";
    frames.Insert(db.get());
    EXPECT_EQ(frames.record.id_type, 1);
    EXPECT_EQ(Column(u"SELECT name FROM type_frame"), (std::vector<std::u16string> { u"Deep" }));
    EXPECT_TRUE(boxes.Calls().empty());
}
