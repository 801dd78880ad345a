#include "AddFamilyOperation.h"
#include "AddPointOperation.h"
#include "ChangeFamilyOperation.h"
#include "ChangePointOperation.h"
#include "DeleteOperation.h"
#include "OperationFixture.h"
#include "RenameOperation.h"

using SiteOperationsTest = OperationFixture;

namespace {
std::int32_t AddFamily(IDatabase* db, std::int32_t point, const std::u16string& name, const FieldValues& values)
{
    CAddFamilyOperation add;
    add.record.name = name;
    add.record.id_point = point;
    add.record.type = 2;
    add.record.values = values;
    add.Add(db);
    return add.record.id_family;
}
}

TEST_F(SiteOperationsTest, AddPointWritesValuesGroupAndLeavesTheEventToTheHandler)
{
    CAddPointOperation empty;
    empty.record.name = u"Meadow";
    empty.Add(db.get());
    EXPECT_EQ(empty.record.id_point, 1);
    EXPECT_EQ(empty.record.id_record, 0);
    EXPECT_EQ(Count(u"field_values"), 0);
    // Events fire once the transaction is committed, which only the handler knows.
    EXPECT_EQ(pointEvents.fired, 0);

    Exec(u"INSERT INTO user_fields VALUES(1, 'Owner', 3)");
    CAddPointOperation add;
    add.record.name = u"Orchard";
    add.record.note = u"by the river";
    add.record.values = { { u"Owner", u"Ann" }, { u"Soil", u"clay" } };
    add.Add(db.get());
    EXPECT_EQ(add.record.id_point, 2);
    EXPECT_EQ(add.record.id_record, 1);
    EXPECT_EQ(pointEvents.fired, 0);
    EXPECT_EQ(Column(u"SELECT id_record FROM points WHERE id_point=2"), (std::vector<std::u16string> { u"1" }));
    // A field the user never defined is stored as text.
    EXPECT_EQ(Column(u"SELECT name || '=' || value || ':' || type FROM field_values WHERE id_record=1 ORDER BY name"),
        (std::vector<std::u16string> { u"Owner=Ann:3", u"Soil=clay:1" }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SiteOperationsTest, ChangePointKeepsItsGroupAndLeavesTheEventToTheHandler)
{
    CAddPointOperation add;
    add.record.name = u"Meadow";
    add.record.values = { { u"Owner", u"Ann" } };
    add.Add(db.get());

    CChangePointOperation change;
    change.record.id_point = add.record.id_point;
    change.record.name = u"Upper meadow";
    change.record.values = { { u"Owner", u"Bob" }, { u"Soil", u"sand" } };
    change.Update(db.get());
    EXPECT_EQ(change.record.id_record, add.record.id_record);
    EXPECT_EQ(pointEvents.fired, 0);
    EXPECT_EQ(Column(u"SELECT name FROM points"), (std::vector<std::u16string> { u"Upper meadow" }));
    EXPECT_EQ(Column(u"SELECT value FROM field_values WHERE id_record=1 ORDER BY name"),
        (std::vector<std::u16string> { u"Bob", u"sand" }));
}

TEST_F(SiteOperationsTest, ChangeFamilyGetsNewGroupAndStaysAtItsSite)
{
    const std::int32_t other = AddFamily(db.get(), 1, u"Other", { { u"Colour", u"dark" } });
    const std::int32_t family = AddFamily(db.get(), 1, u"First", {});
    EXPECT_EQ(Column(u"SELECT id_record FROM families WHERE id_family=2"), (std::vector<std::u16string> { u"0" }));

    CChangeFamilyOperation change;
    change.record.id_family = family;
    change.record.id_point = 9;
    change.record.name = u"Renamed";
    change.record.type = 4;
    change.record.values = { { u"Colour", u"light" }, { u"Temper", u"calm" } };
    change.Update(db.get());
    EXPECT_EQ(change.record.id_record, 2);
    EXPECT_EQ(Column(u"SELECT name || ':' || id_point || ':' || type || ':' || id_record FROM families ORDER BY id_family"),
        (std::vector<std::u16string> { u"Other:1:2:1", u"Renamed:1:4:2" }));
    EXPECT_EQ(Column(u"SELECT value FROM field_values WHERE id_record=2 ORDER BY name"),
        (std::vector<std::u16string> { u"light", u"calm" }));
    EXPECT_EQ(Column(u"SELECT value FROM field_values WHERE id_record=1"), (std::vector<std::u16string> { u"dark" }));
    EXPECT_EQ(pointEvents.fired, 0);

    // Key 0 selects every colony: the change must not reach the first colony's values.
    change.record = {};
    change.record.values = { { u"Colour", u"red" } };
    change.Update(db.get());
    EXPECT_EQ(Column(u"SELECT value FROM field_values WHERE id_record=1"), (std::vector<std::u16string> { u"dark" }));
    EXPECT_EQ(Count(u"field_values"), 3);
    EXPECT_EQ(other, 1);
}

TEST_F(SiteOperationsTest, DeleteFamilyRemovesExactlyItsRows)
{
    const std::int32_t keep = AddFamily(db.get(), 1, u"Keep", { { u"Colour", u"dark" } });
    const std::int32_t gone = AddFamily(db.get(), 1, u"Gone", { { u"Colour", u"light" }, { u"Temper", u"calm" } });
    Exec(u"INSERT INTO evacuation VALUES('01.06.2010 00:00:00', 1, 5, NULL)");
    Exec(u"INSERT INTO evacuation VALUES('01.06.2010 00:00:00', 2, 6, NULL)");
    Exec(u"INSERT INTO evacuation VALUES('02.06.2010 00:00:00', 2, 7, NULL)");
    Exec(u"INSERT INTO housings(name, id_family, is_delete) VALUES('H1', 2, 0)");
    Exec(u"INSERT INTO journal(id_family, date, frame, strength, is_queen_bee) VALUES(2, '01.06.2010 00:00:00', 1, 1, 1)");

    CDeleteOperation remove;
    remove.record.kind = DeleteKind::Colony;
    remove.record.id = gone;
    remove.Delete(db.get());
    EXPECT_EQ(remove.record.kind, DeleteKind::None);
    EXPECT_EQ(remove.record.id, 0);
    EXPECT_EQ(Column(u"SELECT id_family FROM families"), (std::vector<std::u16string> { u"1" }));
    EXPECT_EQ(Column(u"SELECT id_family FROM evacuation"), (std::vector<std::u16string> { u"1" }));
    EXPECT_EQ(Column(u"SELECT id_record FROM field_values"), (std::vector<std::u16string> { u"1" }));
    EXPECT_EQ(Count(u"housings WHERE id_family=2"), 1);
    EXPECT_EQ(Count(u"journal WHERE id_family=2"), 1);

    // Already gone, unknown kinds and key 0 delete nothing and report nothing.
    for (auto [kind, id] : { std::pair { DeleteKind::Colony, gone }, { DeleteKind::Site, 5 }, { DeleteKind::Record, 5 },
             { static_cast<DeleteKind>(7), keep }, { DeleteKind::Colony, 0 }, { DeleteKind::Site, 0 },
             { DeleteKind::Record, 0 } }) {
        remove.record.kind = kind;
        remove.record.id = id;
        remove.Delete(db.get());
    }
    EXPECT_EQ(Count(u"families"), 1);
    EXPECT_EQ(Count(u"evacuation"), 1);
    EXPECT_EQ(Count(u"field_values"), 1);
    EXPECT_EQ(Count(u"journal"), 1);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SiteOperationsTest, DeletePointAndJournalTakeTheirGroupsAndHiveRows)
{
    CAddPointOperation point;
    point.record.name = u"Meadow";
    point.record.values = { { u"Owner", u"Ann" } };
    point.Add(db.get());
    Exec(u"INSERT INTO field_values VALUES(2, 'Weather', 'rain', 1)");
    Exec(u"INSERT INTO journal(id_family, date, frame, strength, is_queen_bee, id_record) "
         u"VALUES(1, '01.06.2010 00:00:00', 1, 1, 1, 2)");
    Exec(u"INSERT INTO journal(id_family, date, frame, strength, is_queen_bee, id_record) "
         u"VALUES(1, '02.06.2010 00:00:00', 1, 1, 1, 0)");
    Exec(u"INSERT INTO inspect(id_journal, id_housing, name_housing) VALUES(1, 1, 'H1'), (1, 2, 'H2'), (2, 1, 'H1')");

    CDeleteOperation remove;
    remove.record.kind = DeleteKind::Record;
    remove.record.id = 1;
    remove.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT id_journal FROM journal"), (std::vector<std::u16string> { u"2" }));
    EXPECT_EQ(Column(u"SELECT id_journal FROM inspect"), (std::vector<std::u16string> { u"2" }));
    EXPECT_EQ(Column(u"SELECT id_record FROM field_values"), (std::vector<std::u16string> { u"1" }));

    // A stored group number of -1 would name every group to the values table.
    Exec(u"UPDATE journal SET id_record=-1 WHERE id_journal=2");
    remove.record.kind = DeleteKind::Record;
    remove.record.id = 2;
    remove.Delete(db.get());
    EXPECT_EQ(Count(u"journal"), 0);
    EXPECT_EQ(Count(u"field_values"), 1);

    remove.record.kind = DeleteKind::Site;
    remove.record.id = point.record.id_point;
    remove.Delete(db.get());
    EXPECT_EQ(Count(u"points"), 0);
    EXPECT_EQ(Count(u"field_values"), 0);
}

TEST_F(SiteOperationsTest, RenameChangesOnlyTheNamedRow)
{
    AddFamily(db.get(), 1, u"First", {});
    AddFamily(db.get(), 1, u"Second", {});
    Exec(u"INSERT INTO points(name) VALUES('Meadow')");
    Exec(u"INSERT INTO housings(name, id_family, is_delete) VALUES('H1', 1, 0)");

    CRenameOperation rename;
    rename.record.kind = RenameKind::Colony;
    rename.record.id = 2;
    rename.record.name = u"It's new";
    rename.Update(db.get());
    EXPECT_TRUE(rename.record.name.empty());
    EXPECT_EQ(Column(u"SELECT name FROM families ORDER BY id_family"),
        (std::vector<std::u16string> { u"First", u"It's new" }));

    for (auto [kind, id] : { std::pair { RenameKind::Site, 1 }, { RenameKind::Hive, 1 }, { RenameKind::None, 1 } }) {
        rename.record.kind = kind;
        rename.record.id = id;
        rename.record.name = u"Kind " + std::u16string(1, char16_t(u'0' + static_cast<int>(kind)));
        rename.Update(db.get());
    }
    EXPECT_EQ(Column(u"SELECT name FROM points"), (std::vector<std::u16string> { u"Kind 1" }));
    EXPECT_EQ(Column(u"SELECT name FROM housings"), (std::vector<std::u16string> { u"Kind 3" }));
    EXPECT_EQ(Column(u"SELECT name FROM families ORDER BY id_family"),
        (std::vector<std::u16string> { u"First", u"It's new" }));
}

TEST_F(SiteOperationsTest, DeleteQueenBeeRemovesOnlyHerRowAndOrphansHerDaughters)
{
    Exec(u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date) VALUES('Q1', 2, 0, '01.06.2010 00:00:00')");
    Exec(u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date) VALUES('Q2', 2, 1, '01.06.2011 00:00:00')");
    CDeleteOperation remove;
    // Key 0 would reach every queen.
    remove.record.kind = DeleteKind::Queen;
    remove.Delete(db.get());
    EXPECT_EQ(Count(u"queen_bee"), 2);

    remove.record.kind = DeleteKind::Queen;
    remove.record.id = 1;
    remove.Delete(db.get());
    EXPECT_EQ(remove.record.kind, DeleteKind::None);
    EXPECT_EQ(Column(u"SELECT name || '/' || id_parent_queen_bee FROM queen_bee"), (std::vector<std::u16string> { u"Q2/0" }));
    EXPECT_TRUE(boxes.Calls().empty());
}
