#include "DatabaseManager.h"
#include "EventManager.h"
#include "HousingCache.h"
#include "JournalCache.h"
#include "JournalComponent.h"
#include "JournalStores.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Records every event in the order it arrives.
class EventLog
{
public:
    EventLog()
    {
        for (std::int32_t event = EventPointsChanged; event <= EventHousingsChanged; ++event) {
            m_listeners.push_back(std::make_unique<Listener>(this, event));
            GetEventManager()->Subscribe(m_listeners.back().get(), event);
        }
    }
    ~EventLog()
    {
        for (const auto& listener : m_listeners)
            GetEventManager()->Unsubscribe(listener.get(), listener->event);
    }
    std::vector<std::int32_t> events;

private:
    struct Listener : ISubscriber
    {
        Listener(EventLog* log, std::int32_t event)
            : log(log)
            , event(event)
        {
        }
        void OnEvent() override { log->events.push_back(event); }
        EventLog* log;
        std::int32_t event;
    };
    std::vector<std::unique_ptr<Listener>> m_listeners;
};

std::int32_t Count(const char16_t* sql)
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, sql);
    return rows.empty() ? -1 : WToI(rows[0][0].second);
}

class JournalComponentTest : public testing::Test
{
protected:
    JournalComponentTest()
    {
        GetDatabaseManager()->Initialize();
        journal.Create();
    }

    std::int32_t AddPoint(const std::u16string& name)
    {
        PointData point;
        point.name = name;
        return journal.AddPoint(point);
    }

    std::int32_t AddFamily(std::int32_t idPoint, const std::u16string& name)
    {
        FamilyData family;
        family.id_point = idPoint;
        family.name = name;
        return journal.AddFamily(family);
    }

    std::int32_t AddInspect(std::int32_t idFamily)
    {
        InspectData inspect;
        inspect.record.id_family = idFamily;
        inspect.record.date = 1273190400;
        return journal.AddInspect(inspect);
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    CJournalComponent journal;
};
}

TEST_F(JournalComponentTest, DeletingASiteClearsItsColoniesRecordsAndHivesInOrder)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t first = AddFamily(site, u"North");
    const std::int32_t second = AddFamily(site, u"South");
    AddInspect(first);
    AddInspect(second);
    CHousingCache::Housing hive;
    hive.name = u"Hive 1";
    hive.id_family = first;
    const std::int32_t idHousing = journal.AddHousing(hive);
    ASSERT_NE(idHousing, 0);
    CQueenBeeCache::QueenBee queen;
    queen.name = u"Bella";
    queen.id_family = second;
    const std::int32_t idQueen = GetQueenBeeCache()->AddQueenBee(queen);

    EventLog log;
    EXPECT_TRUE(journal.DeletePoint(site));
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

TEST_F(JournalComponentTest, DeletingAColonyFiresQueensRecordsThenColonyEvents)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    const std::int32_t other = AddFamily(site, u"South");
    AddInspect(family);
    EventLog log;
    EXPECT_TRUE(journal.DeleteFamily(family));
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 3, 4, 2, 4, 5 }));
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site), (std::vector<std::int32_t> { other }));
}

TEST_F(JournalComponentTest, NewColonyIsLastInItsSiteAndAddingASiteFiresOnce)
{
    EventLog log;
    const std::int32_t site = AddPoint(u"Meadow");
    EXPECT_EQ(site, 1);
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 1 }));
    const std::int32_t first = AddFamily(site, u"North");
    const std::int32_t second = AddFamily(site, u"South");
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(site), (std::vector<std::int32_t> { first, second }));
}

TEST_F(JournalComponentTest, RenameChangesOnlyTheNameAndFiresOnlyItsEvent)
{
    const std::int32_t site = AddPoint(u"Meadow");
    FamilyData family;
    family.id_point = site;
    family.name = u"North";
    family.note = u"Calm bees";
    family.type = 3;
    const std::int32_t id = journal.AddFamily(family);
    EventLog log;
    EXPECT_TRUE(journal.RenameFamily(id, u"Old North"));
    EXPECT_EQ(log.events, (std::vector<std::int32_t> { 2 }));
    const CPointFamilyCache::Family* stored = GetPointFamilyCache()->FindFamily(id);
    EXPECT_EQ(stored->name, u"Old North");
    EXPECT_EQ(stored->note, u"Calm bees");
    EXPECT_EQ(stored->type, 3);
}

TEST_F(JournalComponentTest, UpdateKeepsTheColonyAtItsSite)
{
    const std::int32_t meadow = AddPoint(u"Meadow");
    const std::int32_t orchard = AddPoint(u"Orchard");
    FamilyData family;
    family.id_point = meadow;
    family.name = u"North";
    family.id_family = journal.AddFamily(family);
    family.id_point = orchard;
    family.name = u"North 2";
    EXPECT_TRUE(journal.UpdateFamily(family));
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(family.id_family)->id_point, meadow);
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(meadow), (std::vector<std::int32_t> { family.id_family }));
    EXPECT_TRUE(GetPointFamilyCache()->FamiliesOf(orchard).empty());
}

TEST_F(JournalComponentTest, RefusedChangeLeavesTheStoresAsTheyWere)
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

TEST_F(JournalComponentTest, InspectionRecordsFollowTheirColony)
{
    const std::int32_t family = AddFamily(AddPoint(u"Meadow"), u"North");
    InspectData inspect;
    inspect.record.id_family = family;
    inspect.record.frame = 8;
    inspect.record.hives.push_back({ 0, u"Hive A", 5, 2, 1, 1, 0 });
    inspect.values[u"Weather"] = u"Sunny";
    const std::int32_t id = journal.AddInspect(inspect);
    ASSERT_NE(id, 0);
    EXPECT_NE(inspect.record.id_record, 0);
    EXPECT_EQ(GetJournalCache()->RecordsOf(family), (std::vector<std::int32_t> { id }));

    inspect.record.frame = 9;
    inspect.record.hives.clear();
    EXPECT_TRUE(journal.UpdateInspect(inspect));
    EXPECT_EQ(GetJournalCache()->FindRecord(id)->frame, 9);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect"), 0);

    EXPECT_TRUE(journal.DeleteInspect(id));
    EXPECT_EQ(GetJournalCache()->FindRecord(id), nullptr);
    EXPECT_TRUE(GetJournalCache()->RecordsOf(family).empty());
}

TEST_F(JournalComponentTest, NewTypesCanAllBeDeleted)
{
    EXPECT_EQ(journal.AddHousingType(u"Langstroth"), 1);
    EXPECT_EQ(journal.AddHousingType(u"Dadant"), 2);
    EXPECT_FALSE(journal.DeleteHousingType(0));
    EXPECT_TRUE(journal.DeleteHousingType(1));
    EXPECT_TRUE(journal.DeleteHousingType(2));
    EXPECT_TRUE(GetHousingCache()->HousingTypes().empty());
}

TEST_F(JournalComponentTest, StoresLoadFromTheFileAtStart)
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
    const std::int32_t id = journal.AddInspect(inspect);
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

TEST_F(JournalComponentTest, RecordsPutOffAtStartLoadAsTheFileHoldsThemAndAnAddListsEachOnce)
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

TEST_F(JournalComponentTest, RefusedSiteChangesFireNothing)
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
    EXPECT_FALSE(journal.ChangePoint(changed));
    EXPECT_FALSE(boxes.Calls().empty());
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(GetPointFamilyCache()->Points().size(), 1u);
    EXPECT_EQ(GetPointFamilyCache()->FindPoint(site)->name, u"Meadow");
}

TEST_F(JournalComponentTest, KeyZeroChangesNothingAndFiresNothing)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    AddInspect(family);
    CHousingCache::Housing hive;
    hive.name = u"H1";
    hive.id_family = family;
    journal.AddHousing(hive);
    EventLog log;

    PointData point;
    point.name = u"Phantom";
    FamilyData colony;
    colony.name = u"Phantom";
    colony.id_point = site;
    InspectData inspect;
    inspect.record.id_family = family;
    EXPECT_FALSE(journal.ChangePoint(point));
    EXPECT_FALSE(journal.RenamePoint(0, u"Phantom"));
    EXPECT_FALSE(journal.UpdateFamily(colony));
    EXPECT_FALSE(journal.RenameFamily(0, u"Phantom"));
    EXPECT_FALSE(journal.UpdateInspect(inspect));
    EXPECT_FALSE(journal.ChangeHousing(0, hive));
    EXPECT_FALSE(journal.MoveHousing(0, 0));
    EXPECT_FALSE(journal.DeleteHousing(0));
    EXPECT_FALSE(journal.DeleteInspect(0));
    EXPECT_FALSE(journal.DeleteFamily(0));
    EXPECT_FALSE(journal.DeletePoint(0));

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

TEST_F(JournalComponentTest, NothingIsStoredForWhatIsNoLongerInTheJournal)
{
    const std::int32_t site = AddPoint(u"Meadow");
    const std::int32_t family = AddFamily(site, u"North");
    const std::int32_t record = AddInspect(family);
    InspectData stored;
    stored.id_journal = record;
    stored.record.id_family = family;
    stored.record.hives.push_back({});
    ASSERT_TRUE(journal.DeleteInspect(record));
    ASSERT_TRUE(journal.DeleteFamily(family));
    PointData gone;
    gone.id_point = AddPoint(u"Heath");
    ASSERT_TRUE(journal.DeletePoint(gone.id_point));
    EventLog log;

    // Each refusal says so, once.
    EXPECT_FALSE(journal.UpdateInspect(stored));
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(AddInspect(family), 0);
    EXPECT_EQ(boxes.Calls().size(), 2u);
    FamilyData colony;
    colony.id_family = family;
    colony.id_point = site;
    EXPECT_FALSE(journal.UpdateFamily(colony));
    EXPECT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(AddFamily(gone.id_point, u"South"), 0);
    EXPECT_EQ(boxes.Calls().size(), 4u);
    EXPECT_FALSE(journal.ChangePoint(gone));
    EXPECT_EQ(boxes.Calls().size(), 5u);
    CQueenBeeCache::QueenBee queen;
    queen.id_family = family;
    EXPECT_EQ(GetQueenBeeCache()->AddQueenBee(queen), 0);

    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM families"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee"), 0);
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(family), nullptr);
    EXPECT_EQ(GetPointFamilyCache()->FindPoint(gone.id_point), nullptr);
    EXPECT_EQ(GetJournalCache()->FindRecord(record), nullptr);
}
