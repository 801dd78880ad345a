#include "HandlersFixture.h"
#include "HousingCache.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "UserFieldStore.h"

namespace {
using JournalHandlersTest = HandlersFixture;
}

TEST_F(JournalHandlersTest, DeletingASiteClearsItsColoniesRecordsAndHivesInOrder)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t first = AddFamily(site, u"North");
    const std::int32_t second = AddFamily(site, u"South");
    AddInspect(first);
    AddInspect(second);
    CHousingCache::Housing hive;
    hive.name = u"Hive 1";
    hive.id_family = first;
    const std::int32_t idHousing = journal.hives.Add(hive);
    ASSERT_NE(idHousing, 0);
    CQueenBeeCache::QueenBee queen;
    queen.name = u"Bella";
    queen.id_family = second;
    const std::int32_t idQueen = GetJournalHandlers()->queens.Add(queen);

    EventLog log;
    EXPECT_TRUE(journal.sites.Delete(site));
    // Per colony its queens are released (3) and its records removed (4); then the site's events.
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 3, 4, 3, 4, 1, 2, 4, 5 }));

    EXPECT_EQ(GetPointFamilyCache()->FindPoint(site), nullptr);
    EXPECT_TRUE(GetPointFamilyCache()->FamiliesOf(site).empty());
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(first), nullptr);
    EXPECT_TRUE(GetJournalCache()->Records().empty());
    EXPECT_TRUE(GetHousingCache()->HousingsOf(first).empty());
    EXPECT_EQ(GetHousingCache()->HousingsOf(0), (std::vector<std::int32_t> { idHousing }));
    EXPECT_EQ(GetQueenBeeCache()->FindQueenBee(idQueen)->id_family, 0);

    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM housings WHERE id_family=0"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee WHERE id_family=0"), 1);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(JournalHandlersTest, DeletingAColonyFiresQueensRecordsThenColonyEvents)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    const std::int32_t other = AddFamily(site, u"South");
    AddInspect(family);
    EventLog log;
    EXPECT_TRUE(journal.colonies.Delete(family));
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 3, 4, 2, 4, 5 }));
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site), (std::vector<std::int32_t> { other }));
}

TEST_F(JournalHandlersTest, NewColonyIsLastInItsSiteAndAddingASiteFiresOnce)
{
    EventLog log;
    const std::int32_t site = AddPoint(u"Meadow");
    EXPECT_EQ(site, 1);
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 1 }));
    const std::int32_t first = AddFamily(site, u"North");
    const std::int32_t second = AddFamily(site, u"South");
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site), (std::vector<std::int32_t> { first, second }));
}

TEST_F(JournalHandlersTest, RenameChangesOnlyTheNameAndFiresOnlyItsEvent)
{
    const std::int32_t site = AddPoint(u"Meadow");
    FamilyData family;
    family.id_point = site;
    family.name = u"North";
    family.note = u"Calm bees";
    family.type = 3;
    const std::int32_t id = journal.colonies.Add(family);
    EventLog log;
    EXPECT_TRUE(journal.colonies.Rename(id, u"Old North"));
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 2 }));
    const CPointFamilyCache::Family* stored = GetPointFamilyCache()->FindFamily(id);
    EXPECT_EQ(stored->name, u"Old North");
    EXPECT_EQ(stored->note, u"Calm bees");
    EXPECT_EQ(stored->type, 3);
}

TEST_F(JournalHandlersTest, UpdateKeepsTheColonyAtItsSite)
{
    const std::int32_t meadow = AddPoint(u"Meadow");
    const std::int32_t orchard = AddPoint(u"Orchard");
    FamilyData family;
    family.id_point = meadow;
    family.name = u"North";
    family.id_family = journal.colonies.Add(family);
    family.id_point = orchard;
    family.name = u"North 2";
    EXPECT_TRUE(journal.colonies.Update(family));
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(family.id_family)->id_point, meadow);
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(meadow), (std::vector<std::int32_t> { family.id_family }));
    EXPECT_TRUE(GetPointFamilyCache()->FamiliesOf(orchard).empty());
}

TEST_F(JournalHandlersTest, RefusedChangeLeavesTheStoresAsTheyWere)
{
    const std::int32_t site = AddPoint(u"Meadow");
    AddFamily(site, u"North");
    {
        // A colony table without its note column makes the insert fail.
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, u"DROP TABLE families");
        database->ExecRequest(rows, u"CREATE TABLE families(id_family INTEGER PRIMARY KEY, name TEXT)");
    }
    EventLog log;
    EXPECT_EQ(AddFamily(site, u"South"), 0);
    EXPECT_FALSE(boxes.Calls().empty());
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site).size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM field_values"), 0);
}

TEST_F(JournalHandlersTest, InspectionRecordsFollowTheirColony)
{
    const std::int32_t family = AddFamily(AddPoint(u"Meadow"), u"North");
    InspectData inspect;
    inspect.record.id_family = family;
    inspect.record.frame = 8;
    inspect.record.hives.push_back({ 0, u"Hive A", 5, 2, 1, 1, 0 });
    inspect.values[u"Weather"] = u"Sunny";
    const std::int32_t id = journal.records.Add(inspect);
    ASSERT_NE(id, 0);
    EXPECT_NE(inspect.record.id_record, 0);
    EXPECT_EQ(GetJournalCache()->RecordsOf(family), (std::vector<std::int32_t> { id }));

    inspect.record.frame = 9;
    inspect.record.hives.clear();
    EXPECT_TRUE(journal.records.Update(inspect));
    EXPECT_EQ(GetJournalCache()->FindRecord(id)->frame, 9);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect"), 0);

    EXPECT_TRUE(journal.records.Delete(id));
    EXPECT_EQ(GetJournalCache()->FindRecord(id), nullptr);
    EXPECT_TRUE(GetJournalCache()->RecordsOf(family).empty());
}

TEST_F(JournalHandlersTest, NewTypesCanAllBeDeleted)
{
    EXPECT_EQ(journal.hiveTypes.AddHousingType(u"Langstroth"), 1);
    EXPECT_EQ(journal.hiveTypes.AddHousingType(u"Dadant"), 2);
    EXPECT_FALSE(journal.hiveTypes.DeleteHousingType(0));
    EXPECT_TRUE(journal.hiveTypes.DeleteHousingType(1));
    EXPECT_TRUE(journal.hiveTypes.DeleteHousingType(2));
    EXPECT_TRUE(GetHousingCache()->HousingTypes().empty());
}

TEST_F(JournalHandlersTest, StoresLoadFromTheFileAtStart)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    InspectData inspect;
    inspect.record.id_family = family;
    CJournalCache::HiveRow hive;
    hive.name_housing = u"Hive A";
    hive.brood = 5;
    hive.honey = 2;
    inspect.record.hives.push_back(hive);
    const std::int32_t id = journal.records.Add(inspect);
    CJournalCache reloaded;
    CDatabaseLease database;
    reloaded.Load(database.get());
    EXPECT_EQ(reloaded.RecordsOf(family), (std::vector<std::int32_t> { id }));
    ASSERT_EQ(reloaded.FindRecord(id)->hives.size(), 1u);
    EXPECT_EQ(reloaded.FindRecord(id)->hives[0].brood, 5);
    EXPECT_EQ(reloaded.FindRecord(id)->hives[0].honey, 2);
    EXPECT_EQ(reloaded.FindRecord(id)->hives[0].name_housing, u"Hive A");
    CPointFamilyCache sites;
    sites.Load(database.get());
    EXPECT_EQ(sites.FamiliesOf(site), (std::vector<std::int32_t> { family }));
}

TEST_F(JournalHandlersTest, RecordsPutOffAtStartLoadAsTheFileHoldsThemAndAnAddListsEachOnce)
{
    const std::int32_t family = AddFamily(AddPoint(u"Meadow"), u"North");
    const std::int32_t first = AddInspect(family);
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, u"INSERT INTO journal VALUES(NULL, " + IntToText(family)
                + u", '08.05.2010 00:00:00', 7, 5, 0, 0, 0, 0, 0, 0, 'Рой', NULL);");
        database->ExecRequest(rows, u"INSERT INTO inspect VALUES(last_insert_rowid(), 0, 'Hive B', 1, 2, 3, 4, 5);");
        LoadJournalStores(database.get());
    }
    // The handler reads the put-off records before its own change.
    const std::int32_t third = AddInspect(family);
    ASSERT_NE(third, 0);
    const std::vector<std::int32_t> records = GetJournalCache()->RecordsOf(family);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records.front(), first);
    EXPECT_EQ(records.back(), third);
    const CJournalCache::Record* found = GetJournalCache()->FindRecord(records[1]);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->note, u"Рой");
    ASSERT_EQ(found->hives.size(), 1u);
    EXPECT_EQ(found->hives[0].name_housing, u"Hive B");
    EXPECT_EQ(GetJournalCache()->Records().size(), 3u);
}

TEST_F(JournalHandlersTest, RefusedSiteChangesFireNothing)
{
    const std::int32_t site = AddPoint(u"Meadow");
    {
        // A site table without its note column refuses every insert and update.
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, u"DROP TABLE points");
        database->ExecRequest(rows, u"CREATE TABLE points(id_point INTEGER PRIMARY KEY, name TEXT, id_record INTEGER)");
        database->ExecRequest(rows, u"INSERT INTO points VALUES(1, 'Meadow', 0)");
    }
    EventLog log;
    EXPECT_EQ(AddPoint(u"Orchard"), 0);
    PointData changed;
    changed.id_point = site;
    changed.name = u"Upper meadow";
    EXPECT_FALSE(journal.sites.Change(changed));
    EXPECT_FALSE(boxes.Calls().empty());
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(GetPointFamilyCache()->Points().size(), 1u);
    EXPECT_EQ(GetPointFamilyCache()->FindPoint(site)->name, u"Meadow");
}

TEST_F(JournalHandlersTest, KeyZeroChangesNothingAndFiresNothing)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    AddInspect(family);
    CHousingCache::Housing hive;
    hive.name = u"H1";
    hive.id_family = family;
    journal.hives.Add(hive);
    EventLog log;

    PointData point;
    point.name = u"Phantom";
    FamilyData colony;
    colony.name = u"Phantom";
    colony.id_point = site;
    InspectData inspect;
    inspect.record.id_family = family;
    EXPECT_FALSE(journal.sites.Change(point));
    EXPECT_FALSE(journal.sites.Rename(0, u"Phantom"));
    EXPECT_FALSE(journal.colonies.Update(colony));
    EXPECT_FALSE(journal.colonies.Rename(0, u"Phantom"));
    EXPECT_FALSE(journal.records.Update(inspect));
    EXPECT_FALSE(journal.hives.Change(0, hive));
    EXPECT_FALSE(journal.hives.Move(0, 0));
    EXPECT_FALSE(journal.hives.Delete(0));
    EXPECT_FALSE(journal.records.Delete(0));
    EXPECT_FALSE(journal.colonies.Delete(0));
    EXPECT_FALSE(journal.sites.Delete(0));

    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(GetPointFamilyCache()->FindPoint(0), nullptr);
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(0), nullptr);
    EXPECT_EQ(GetPointFamilyCache()->Points().size(), 1u);
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site).size(), 1u);
    EXPECT_EQ(GetJournalCache()->RecordsOf(family).size(), 1u);
    EXPECT_EQ(GetHousingCache()->HousingsOf(family).size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points WHERE name='Phantom'"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM housings WHERE id_family=1"), 1);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(JournalHandlersTest, NothingIsStoredForWhatIsNoLongerInTheJournal)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    const std::int32_t record = AddInspect(family);
    InspectData stored;
    stored.id_journal = record;
    stored.record.id_family = family;
    stored.record.hives.push_back({});
    ASSERT_TRUE(journal.records.Delete(record));
    ASSERT_TRUE(journal.colonies.Delete(family));
    PointData gone;
    gone.id_point = AddPoint(u"Heath");
    ASSERT_TRUE(journal.sites.Delete(gone.id_point));
    EventLog log;

    // Each refusal says so, once.
    EXPECT_FALSE(journal.records.Update(stored));
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(AddInspect(family), 0);
    EXPECT_EQ(boxes.Calls().size(), 2u);
    FamilyData colony;
    colony.id_family = family;
    colony.id_point = site;
    EXPECT_FALSE(journal.colonies.Update(colony));
    EXPECT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(AddFamily(gone.id_point, u"South"), 0);
    EXPECT_EQ(boxes.Calls().size(), 4u);
    EXPECT_FALSE(journal.sites.Change(gone));
    EXPECT_EQ(boxes.Calls().size(), 5u);
    CQueenBeeCache::QueenBee queen;
    queen.id_family = family;
    EXPECT_EQ(GetJournalHandlers()->queens.Add(queen), 0);

    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee"), 0);
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(family), nullptr);
    EXPECT_EQ(GetPointFamilyCache()->FindPoint(gone.id_point), nullptr);
    EXPECT_EQ(GetJournalCache()->FindRecord(record), nullptr);
}

TEST_F(JournalHandlersTest, ASiteDeleteRefusedAtItsLastStepLeavesEveryStoreAndRowAndFiresNothing)
{
    journal.userFields.Change(OwnerKind::Site, {}, { { u"Owner", 1 } });
    PointData point;
    point.name = u"Meadow";
    point.values = { { u"Owner", u"Ann" } };
    const std::int32_t site = journal.sites.Add(point);
    const std::int32_t family = AddFamily(site, u"North");
    const std::int32_t record = AddInspect(family);
    CHousingCache::Housing hive;
    hive.name = u"Hive 1";
    hive.id_family = family;
    const std::int32_t idHousing = journal.hives.Add(hive);
    CQueenBeeCache::QueenBee queen;
    queen.name = u"Bella";
    queen.id_family = family;
    const std::int32_t idQueen = journal.queens.Add(queen);
    // Freeing the colony's hives comes after every other row of the delete.
    Exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON housings BEGIN SELECT RAISE(ABORT, 'refused'); END");

    EventLog log;
    EXPECT_FALSE(journal.sites.Delete(site));
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_TRUE(log.events.empty());

    ASSERT_NE(GetPointFamilyCache()->FindPoint(site), nullptr);
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site), (std::vector<std::int32_t> { family }));
    EXPECT_EQ(GetJournalCache()->RecordsOf(family), (std::vector<std::int32_t> { record }));
    EXPECT_EQ(GetHousingCache()->HousingsOf(family), (std::vector<std::int32_t> { idHousing }));
    EXPECT_EQ(GetQueenBeeCache()->FindQueenBee(idQueen)->id_family, family);
    EXPECT_EQ(GetUserFieldStore()->Value(point.id_record, u"Owner"), u"Ann");

    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM field_values"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee WHERE id_family=1"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM housings WHERE id_family=1"), 1);
}
