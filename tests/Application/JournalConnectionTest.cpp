#include "DatabaseManager.h"
#include "JournalComponent.h"
#include "MessageBox.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// A temporary table lives as long as the connection that made it.
void Mark()
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"CREATE TEMP TABLE marker(x)");
    ASSERT_FALSE(database->HasError());
}

bool Marked()
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"SELECT name FROM sqlite_temp_master WHERE name='marker'");
    return !rows.empty();
}
}

TEST(JournalConnectionTest, TheJournalComponentKeepsTheConnectionOpenUntilItIsGone)
{
    TempWorkDir dir;
    MessageBoxResponder boxes;
    GetDatabaseManager()->Initialize();
    auto journal = std::make_unique<CJournalComponent>();
    journal->Create();
    PointData point;
    point.name = u"Meadow";
    FamilyData family;
    family.id_point = journal->AddPoint(point);
    family.name = u"North";
    Mark();
    InspectData inspect;
    inspect.record.id_family = journal->AddFamily(family);
    inspect.record.hives.resize(2);
    const std::int32_t id = journal->AddInspect(inspect);
    EXPECT_NE(id, 0);
    EXPECT_TRUE(journal->DeleteInspect(id));
    EXPECT_TRUE(Marked());

    journal.reset();
    EXPECT_FALSE(Marked());
    EXPECT_TRUE(boxes.Calls().empty());
}
