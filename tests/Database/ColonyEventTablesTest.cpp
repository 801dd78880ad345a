#include "ColonyEventQueensTable.h"
#include "ColonyEventsTable.h"
#include "SchemaMigrations.h"
#include "SchemaTables.h"
#include "TableDump.h"
#include "TableFixture.h"

#include "Calendar.h"
#include "Text.h"

#include <algorithm>

namespace {
std::vector<std::u16string> ElevenTables()
{
    std::vector<std::u16string> names;
    for (const auto& table : CreateSchemaTables())
        names.push_back(table->GetName());
    return names;
}

// Rows in every one of the eleven tables as today's program writes them, with the NULLs, empty
// texts and apostrophes it may leave.
void FillElevenTables(IDatabase* database)
{
    RowList rows;
    for (const char16_t* statement : {
             u"INSERT INTO points(name, note, id_record) VALUES('North', NULL, 1), ('O''Neill', '', 0)",
             u"INSERT INTO families(name, id_point, type, note, id_record) VALUES('A', 1, NULL, 'calm', 2), ('B', 2, 3, NULL, NULL)",
             u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date, is_dead) VALUES('Q1', 1, 0, '01.06.2020 00:00:00', NULL), "
             u"('Q2', NULL, 1, '02.06.2021 10:11:12', 1)",
             u"INSERT INTO journal(id_family, date, frame, strength, is_queen_bee, note) VALUES(1, '05.05.2022 00:00:00', 8, 6, 1, 'ok')",
             u"INSERT INTO inspect(id_journal, id_housing, name_housing, brood, honey) VALUES(1, 1, 'Hive 1', 4, 2)",
             u"INSERT INTO evacuation VALUES('01.08.2022 00:00:00', 1, 12, NULL)",
             u"INSERT INTO housings(name, id_family, is_delete) VALUES('Hive 1', 1, 0)",
             u"INSERT INTO user_fields(name, itable, type) VALUES('Owner', 1, 0)",
             u"INSERT INTO field_values(id_record, name, value, type) VALUES(1, 'Owner', 'Ann', 0)",
             u"INSERT INTO type_housing(name) VALUES('Dadant')", u"INSERT INTO type_frame(name) VALUES('435x300')" })
        database->ExecRequest(rows, statement);
}

// Every object of the schema with its statement.
constexpr char16_t kSchema[] = u"SELECT type || ' ' || name || ' ' || ifnull(sql, '') FROM sqlite_master ORDER BY name";

using ColonyEventSchemaTest = TableFixture;

class ColonyEventTablesTest : public TableFixture
{
protected:
    ColonyEventTablesTest() { SchemaMigrations::Migrate(db.get()); }

    std::int32_t AddEvent(std::int32_t idFamily, ColonyEventKind kind, const char16_t* day, std::int32_t other = 0)
    {
        CColonyEventsTable events;
        events.record.id_family = idFamily;
        events.record.kind = static_cast<std::int32_t>(kind);
        events.record.date = ParseDateText(day);
        events.record.id_other_family = other;
        events.Insert(db.get());
        return events.record.id_event;
    }
};
}

TEST_F(ColonyEventSchemaTest, TodaysJournalTakesTheEventTablesAndKeepsItsElevenTablesAsTheyWere)
{
    FillElevenTables(db.get());
    ASSERT_TRUE(boxes.Calls().empty());
    const TableDump before = DumpTables(db.get(), ElevenTables());
    const std::vector<std::u16string> schemaBefore = Column(kSchema);
    for (const auto& [table, rows] : before)
        EXPECT_FALSE(rows.empty()) << std::string(table.begin(), table.end());

    ASSERT_TRUE(SchemaMigrations::Migrate(db.get()));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), SchemaMigrations::LatestVersion());
    EXPECT_EQ(DumpTables(db.get(), ElevenTables()), before);
    // The eleven tables' definitions are as they were; only new tables and indexes came.
    std::vector<std::u16string> schemaAfter = Column(kSchema);
    for (const std::u16string& line : schemaBefore)
        EXPECT_NE(std::find(schemaAfter.begin(), schemaAfter.end(), line), schemaAfter.end()) << std::string(line.begin(), line.end());
    EXPECT_TRUE(db->HasTable(u"colony_events"));
    EXPECT_TRUE(db->HasTable(u"colony_event_queens"));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ColonyEventSchemaTest, AJournalAtTheFirstStepTakesTheSecondAlone)
{
    FillElevenTables(db.get());
    ASSERT_TRUE(SchemaMigrations::Migrate(db.get(), { SchemaMigrations::Steps().front() }));
    ASSERT_EQ(SchemaMigrations::FileVersion(db.get()), 1);
    const TableDump before = DumpTables(db.get());

    ASSERT_TRUE(SchemaMigrations::Migrate(db.get(), { SchemaMigrations::Steps().begin(), SchemaMigrations::Steps().begin() + 2 }));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), 2);
    TableDump after = DumpTables(db.get());
    EXPECT_EQ(after.at(u"colony_events"), std::vector<std::u16string> {});
    after.erase(u"colony_events");
    after.erase(u"colony_event_queens");
    EXPECT_EQ(after, before);
}

TEST_F(ColonyEventSchemaTest, ATableOfTheSameNameStopsTheStepAndIsLeftAlone)
{
    ASSERT_TRUE(SchemaMigrations::Migrate(db.get(), { SchemaMigrations::Steps().front() }));
    Exec(u"CREATE TABLE colony_events(id INTEGER, what TEXT)");
    Exec(u"INSERT INTO colony_events VALUES(1, 'mine')");
    const std::vector<std::u16string> schemaBefore = Column(kSchema);

    EXPECT_FALSE(SchemaMigrations::Migrate(db.get()));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), 1);
    EXPECT_EQ(Column(kSchema), schemaBefore);
    EXPECT_EQ(Column(u"SELECT what FROM colony_events"), std::vector<std::u16string> { u"mine" });
}

TEST_F(ColonyEventSchemaTest, AFileFromANewerProgramKeepsEveryTableAndRow)
{
    FillElevenTables(db.get());
    // A newer program's own shape of the events, and more.
    Exec(u"CREATE TABLE colony_events(id_event INTEGER PRIMARY KEY, id_family INTEGER, kind INTEGER, extra TEXT)");
    Exec(u"INSERT INTO colony_events VALUES(1, 1, 9, 'from the future')");
    Exec(u"PRAGMA user_version = 7");
    const TableDump before = DumpTables(db.get());
    const std::vector<std::u16string> schemaBefore = Column(kSchema);

    EXPECT_EQ(SchemaMigrations::StateOf(db.get()), SchemaMigrations::State::Newer);
    EXPECT_TRUE(SchemaMigrations::Migrate(db.get()));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), 7);
    EXPECT_EQ(DumpTables(db.get()), before);
    EXPECT_EQ(Column(kSchema), schemaBefore);
}

TEST_F(ColonyEventTablesTest, AnEventRoundTripsAndAColonySeesItsOwnEventsAndThoseNamingIt)
{
    CColonyEventsTable events;
    events.record.id_family = 3;
    events.record.kind = static_cast<std::int32_t>(ColonyEventKind::Split);
    events.record.date = ParseDateText(u"04.05.2023");
    events.record.note = u"two frames 'capped'";
    events.record.id_other_family = 8;
    events.record.id_point_to = 2;
    events.record.brood_frames = 2;
    events.record.honey_frames = 1;
    events.record.bee_frames = 3;
    events.record.daughter_queen = static_cast<std::int32_t>(DaughterQueen::QueenCell);
    events.Insert(db.get());
    const CColonyEventsTable::content written = events.record;
    ASSERT_NE(written.id_event, 0);
    AddEvent(5, ColonyEventKind::Move, u"01.06.2023");

    for (const std::int32_t idFamily : { 3, 8 }) {
        events.record.id_family = idFamily;
        const auto rows = SelectFrom(events);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0]->id_event, written.id_event);
        EXPECT_EQ(rows[0]->note, written.note);
        EXPECT_EQ(rows[0]->date, written.date);
        EXPECT_EQ(rows[0]->id_other_family, 8);
        EXPECT_EQ(rows[0]->id_point_to, 2);
        EXPECT_EQ(rows[0]->brood_frames + rows[0]->honey_frames * 10 + rows[0]->bee_frames * 100, 312);
        EXPECT_EQ(rows[0]->daughter_queen, static_cast<std::int32_t>(DaughterQueen::QueenCell));
    }
    events.record.Reset();
    EXPECT_EQ(SelectFrom(events).size(), 2u);

    events.record.id_event = written.id_event;
    events.record.note = u"changed";
    events.Update(db.get());
    EXPECT_EQ(Column(u"SELECT note FROM colony_events ORDER BY id_event"), (std::vector<std::u16string> { u"changed", u"" }));
}

TEST_F(ColonyEventTablesTest, TheLatestEventIsOfTheLatestDayThenTheLastEntered)
{
    const std::int32_t later = AddEvent(4, ColonyEventKind::Move, u"10.06.2023");
    AddEvent(4, ColonyEventKind::Requeen, u"01.06.2023");
    CColonyEventsTable events;
    EXPECT_EQ(events.SelectLatestOf(db.get(), 4)->id_event, later);
    const std::int32_t sameDay = AddEvent(1, ColonyEventKind::Unite, u"10.06.2023", 4);
    EXPECT_EQ(events.SelectLatestOf(db.get(), 4)->id_event, sameDay);
    EXPECT_FALSE(events.SelectLatestOf(db.get(), 6));
    EXPECT_FALSE(events.SelectLatestOf(db.get(), 0));
}

TEST_F(ColonyEventTablesTest, ALossEndsItsColonyAndAUniteEndsTheColonyUnitedIn)
{
    AddEvent(1, ColonyEventKind::Unite, u"10.06.2023", 2);
    AddEvent(3, ColonyEventKind::Loss, u"10.02.2024");
    AddEvent(4, ColonyEventKind::Split, u"10.06.2023", 5);
    CColonyEventsTable events;
    std::vector<std::int32_t> ended;
    for (const std::int32_t idFamily : { 1, 2, 3, 4, 5 }) {
        if (events.HasEnded(db.get(), idFamily))
            ended.push_back(idFamily);
    }
    EXPECT_EQ(ended, (std::vector<std::int32_t> { 2, 3 }));
}

TEST_F(ColonyEventTablesTest, DeletingAColonysEventsTakesTheirQueensAndLeavesThoseLinkingAnotherColony)
{
    const std::int32_t own = AddEvent(1, ColonyEventKind::Requeen, u"10.06.2023");
    const std::int32_t other = AddEvent(2, ColonyEventKind::Split, u"10.06.2023", 1);
    const std::int32_t linking = AddEvent(1, ColonyEventKind::Unite, u"11.06.2023", 3);
    CColonyEventQueensTable queens;
    for (const std::int32_t idEvent : { own, other, linking }) {
        queens.record.id_event = idEvent;
        queens.record.id_queen_bee = 7;
        queens.record.fate = static_cast<std::int32_t>(QueenFate::Introduced);
        queens.Insert(db.get());
    }
    CColonyEventsTable events;
    // Without a key nothing goes.
    events.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT COUNT(*) FROM colony_events"), std::vector<std::u16string> { u"3" });

    events.record.id_family = 1;
    events.Delete(db.get());
    const std::vector<std::u16string> kept { IntToText(other), IntToText(linking) };
    EXPECT_EQ(Column(u"SELECT id_event FROM colony_events ORDER BY id_event"), kept);
    EXPECT_EQ(Column(u"SELECT id_event FROM colony_event_queens ORDER BY id_event"), kept);
}

TEST_F(ColonyEventTablesTest, AQueensRowKeepsHerValuesBeforeAndAfterExactly)
{
    Exec(u"INSERT INTO queen_bee(name, id_family, date, is_dead) VALUES('Q', NULL, '01.06.2020 00:00:00', NULL)");
    CColonyEventQueensTable queens;
    queens.record.id_event = 4;
    queens.record.id_queen_bee = 1;
    queens.record.fate = static_cast<std::int32_t>(QueenFate::Moved);
    queens.InsertBefore(db.get());
    Exec(u"UPDATE queen_bee SET id_family=6, is_dead='no'");
    queens.record.id_event = 4;
    queens.record.id_queen_bee = 1;
    queens.Update(db.get());
    EXPECT_EQ(Column(u"SELECT quote(id_family_before) || quote(is_dead_before) || quote(id_family_after) || "
                     u"quote(is_dead_after) || created FROM colony_event_queens"),
        std::vector<std::u16string> { u"NULLNULL6'no'0" });
    queens.record.id_event = 4;
    const auto rows = SelectFrom(queens);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->id_family_after, 6);
    EXPECT_EQ(rows[0]->fate, static_cast<std::int32_t>(QueenFate::Moved));
}
