#include "HandlersFixture.h"
#include "PointFamilyCache.h"
#include "UserFieldStore.h"

namespace {
using UserFieldsTest = HandlersFixture;
using Field = CUserFieldStore::Field;

const CUserFieldStore& Store()
{
    return *GetUserFieldStore();
}
}

TEST_F(UserFieldsTest, TheStoreFollowsFieldsAddedAndRemovedThroughTheHandler)
{
    ASSERT_TRUE(journal.userFields.Change(OwnerKind::Site, {}, { { u"Owner", 1 }, { u"Since", 5 } }));
    ASSERT_TRUE(journal.userFields.Change(OwnerKind::Record, {}, { { u"Owner", 1 } }));
    EXPECT_EQ(Store().Fields(OwnerKind::Site), (std::vector<Field> { { u"Owner", 1 }, { u"Since", 5 } }));

    // Removed and added in one change: the new field comes last.
    ASSERT_TRUE(journal.userFields.Change(OwnerKind::Site, { u"Owner" }, { { u"Bees from", 1 } }));
    EXPECT_EQ(Store().Fields(OwnerKind::Site), (std::vector<Field> { { u"Since", 5 }, { u"Bees from", 1 } }));
    EXPECT_EQ(Store().Fields(OwnerKind::Record), (std::vector<Field> { { u"Owner", 1 } }));
    EXPECT_TRUE(Store().Fields(OwnerKind::Colony).empty());
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM user_fields WHERE itable=1 AND name='Owner'"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM user_fields"), 3);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(UserFieldsTest, TheStoreHoldsTheValuesTheOwnersSavedChangedAndDeleted)
{
    journal.userFields.Change(OwnerKind::Site, {}, { { u"Owner", 1 }, { u"Soil", 1 } });
    PointData point;
    point.name = u"Meadow";
    point.values = { { u"Owner", u"Ann" }, { u"Soil", u"Sand" } };
    ASSERT_NE(journal.sites.Add(point), 0);
    ASSERT_NE(point.id_record, 0);
    EXPECT_EQ(Store().Value(point.id_record, u"Owner"), u"Ann");

    // A change writes the values it names and keeps the others of the group.
    point.values = { { u"Owner", u"Boris" } };
    ASSERT_TRUE(journal.sites.Change(point));
    EXPECT_EQ(Store().ValuesOf(point.id_record), (FieldValues { { u"Owner", u"Boris" }, { u"Soil", u"Sand" } }));

    // What the store holds is what a fresh read of the file gives.
    CUserFieldStore reread;
    reread.LoadOnFirstUse(kJournalDatabase);
    EXPECT_EQ(reread.ValuesOf(point.id_record), Store().ValuesOf(point.id_record));
    EXPECT_EQ(reread.Fields(OwnerKind::Site), Store().Fields(OwnerKind::Site));

    FamilyData family;
    family.id_point = point.id_point;
    family.name = u"North";
    family.values = { { u"Owner", u"Vera" } };
    ASSERT_NE(journal.colonies.Add(family), 0);
    EXPECT_EQ(Store().Value(family.id_record, u"Owner"), u"Vera");

    ASSERT_TRUE(journal.sites.Delete(point.id_point));
    EXPECT_TRUE(Store().ValuesOf(point.id_record).empty());
    EXPECT_TRUE(Store().ValuesOf(family.id_record).empty());
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM field_values"), 0);
    // Group 0 is no group.
    EXPECT_EQ(Store().Value(0, u"Owner"), u"");
}

TEST_F(UserFieldsTest, ARefusedChangeIsSaidOnceAndLeavesStoreAndFileAsTheyWere)
{
    journal.userFields.Change(OwnerKind::Colony, {}, { { u"Temper", 1 } });
    Exec(u"CREATE TRIGGER refuse BEFORE INSERT ON user_fields BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EventLog log;
    EXPECT_FALSE(journal.userFields.Change(OwnerKind::Colony, { u"Temper" }, { { u"Origin", 1 } }));
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(Store().Fields(OwnerKind::Colony), (std::vector<Field> { { u"Temper", 1 } }));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM user_fields WHERE name='Temper'"), 1);
}

TEST_F(UserFieldsTest, AReloadOfTheStoresReadsTheFieldsAgain)
{
    EXPECT_TRUE(Store().Fields(OwnerKind::Site).empty());
    Exec(u"INSERT INTO user_fields VALUES(1, 'Owner', 1)");
    // Another program's change reloads the stores; the user fields are read at their next use.
    LoadJournalStores(CDatabaseLease().get());
    EXPECT_EQ(Store().Fields(OwnerKind::Site), (std::vector<Field> { { u"Owner", 1 } }));
}

TEST_F(UserFieldsTest, AGroupsValuesAreReadWhenTheGroupIsFirstAskedFor)
{
    Exec(u"INSERT INTO field_values VALUES(7, 'Owner', 'Ann', 1), (8, 'Owner', 'Boris', 1)");
    EXPECT_EQ(Store().Value(7, u"Owner"), u"Ann");
    // Group 8 is read only now, with what the file holds now; group 7 is kept as it was read.
    Exec(u"UPDATE field_values SET value = 'Vera'");
    EXPECT_EQ(Store().Value(8, u"Owner"), u"Vera");
    EXPECT_EQ(Store().Value(7, u"Owner"), u"Ann");
    EXPECT_TRUE(Store().ValuesOf(9).empty());
}
