#include "SchemaMigrations.h"
#include "TableFixture.h"
#include "Text.h"

using SchemaMigrationsTest = TableFixture;

TEST_F(SchemaMigrationsTest, AJournalOfTheElevenTablesTakesEveryStepAndKeepsItsRows)
{
    Exec(u"INSERT INTO points(name) VALUES('North')");
    ASSERT_EQ(SchemaMigrations::FileVersion(db.get()), 0);
    EXPECT_EQ(SchemaMigrations::StateOf(db.get()), SchemaMigrations::State::Due);
    // The tables the file had stay as they were; the steps only add tables.
    const std::u16string tablesQuery = u"SELECT sql FROM sqlite_master WHERE type='table' AND name IN (SELECT name "
                                       u"FROM temp.before) ORDER BY name";
    Exec(u"CREATE TEMP TABLE before AS SELECT name FROM sqlite_master WHERE type='table'");
    const std::vector<std::u16string> tablesBefore = Column(tablesQuery);
    ASSERT_GE(tablesBefore.size(), 11u);

    ASSERT_TRUE(SchemaMigrations::Migrate(db.get()));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), SchemaMigrations::LatestVersion());
    EXPECT_EQ(SchemaMigrations::StateOf(db.get()), SchemaMigrations::State::Current);
    EXPECT_EQ(Column(tablesQuery), tablesBefore);
    for (const char16_t* added : { u"colony_events", u"treatments", u"care_colonies", u"harvest_supers" })
        EXPECT_TRUE(db->HasTable(added)) << ToUtf8(added);
    EXPECT_EQ(Column(u"SELECT name FROM points"), std::vector<std::u16string> { u"North" });
    // The look-ups of one colony's records and hive lines use the indexes.
    const RowList plan = Exec(u"EXPLAIN QUERY PLAN SELECT * FROM journal WHERE id_family = 5 ORDER BY date");
    ASSERT_FALSE(plan.empty());
    EXPECT_NE(plan.back().back().second.find(u"journal_by_family"), std::u16string::npos);
    // A second run has nothing to do.
    EXPECT_TRUE(SchemaMigrations::Migrate(db.get()));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SchemaMigrationsTest, AFailingStepLeavesTheFileAtItsLastWholeStep)
{
    const std::vector<SchemaMigrations::Step> steps {
        { 1, { u"CREATE TABLE colony_events(id INTEGER PRIMARY KEY)" } },
        { 2, { u"CREATE TABLE treatments(id INTEGER PRIMARY KEY)", u"CREATE TABLE broken(" } },
        { 3, { u"CREATE TABLE tasks(id INTEGER PRIMARY KEY)" } },
    };
    EXPECT_FALSE(SchemaMigrations::Migrate(db.get(), steps));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), 1);
    EXPECT_TRUE(db->HasTable(u"colony_events"));
    EXPECT_FALSE(db->HasTable(u"treatments"));
    EXPECT_FALSE(db->HasTable(u"tasks"));
}

TEST_F(SchemaMigrationsTest, AFileFromANewerProgramIsLeftAsItIs)
{
    Exec(u"PRAGMA user_version = " + std::u16string(u"9999"));
    Exec(u"CREATE TABLE from_the_future(id INTEGER)");
    EXPECT_EQ(SchemaMigrations::StateOf(db.get()), SchemaMigrations::State::Newer);
    EXPECT_TRUE(SchemaMigrations::Migrate(db.get()));
    EXPECT_EQ(SchemaMigrations::FileVersion(db.get()), 9999);
    EXPECT_TRUE(Column(u"SELECT name FROM sqlite_master WHERE type='index' AND name='journal_by_family'").empty());
}
