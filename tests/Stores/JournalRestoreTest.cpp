#include "DatabaseManager.h"
#include "EventManager.h"
#include "JournalStores.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
// Counts the events of all five kinds of journal data.
class AllChanges : public ISubscriber
{
public:
    AllChanges()
    {
        for (const std::int32_t event : kEvents)
            GetEventManager()->Subscribe(this, event);
    }
    ~AllChanges() override
    {
        for (const std::int32_t event : kEvents)
            GetEventManager()->Unsubscribe(this, event);
    }
    void OnEvent() override { ++calls; }
    int calls = 0;

private:
    static constexpr std::int32_t kEvents[] = { EventPointsChanged, EventFamiliesChanged, EventQueenBeesChanged,
        EventInspectsChanged, EventHousingsChanged };
};

class JournalRestoreTest : public testing::Test
{
protected:
    JournalRestoreTest() { GetDatabaseManager()->Initialize(); }

    void Exec(const std::u16string& sql)
    {
        RowList rows;
        db->ExecRequest(rows, sql);
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    CDatabaseLease db;
    CJournalBackups backups { dir.Path() / "Journal.db", dir.Path() / "backups", 10 };
};
}

TEST_F(JournalRestoreTest, ADeletedColonyComesBackInTheStoreAndEveryWindowHears)
{
    Exec(u"INSERT INTO points(name) VALUES('Meadow');");
    Exec(u"INSERT INTO families(name, id_point) VALUES('Colony 1', 1);");
    const auto backup = backups.BackUp();
    Exec(u"DELETE FROM families;");
    LoadJournalStores(db.get());
    ASSERT_EQ(GetPointFamilyCache()->FindFamily(1), nullptr);

    AllChanges changes;
    EXPECT_EQ(RestoreJournal(backups, backup), CJournalBackups::RestoreResult::Restored);

    const auto* family = GetPointFamilyCache()->FindFamily(1);
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(family->name, u"Colony 1");
    EXPECT_EQ(changes.calls, 5);
}

TEST_F(JournalRestoreTest, ARefusedFileLeavesTheStoresAndWindowsAlone)
{
    Exec(u"INSERT INTO points(name) VALUES('Meadow');");
    LoadJournalStores(db.get());
    std::ofstream("junk.db") << "plain words, no database here";

    AllChanges changes;
    EXPECT_EQ(RestoreJournal(backups, dir.Path() / "junk.db"), CJournalBackups::RestoreResult::NotAJournal);
    EXPECT_NE(GetPointFamilyCache()->FindPoint(1), nullptr);
    EXPECT_EQ(changes.calls, 0);
}

TEST_F(JournalRestoreTest, AReloadReplacesTheStoresInsteadOfAddingToThem)
{
    Exec(u"INSERT INTO points(name) VALUES('Meadow'), ('Heath');");
    Exec(u"INSERT INTO families(name, id_point) VALUES('Colony 1', 1);");
    const auto backup = backups.BackUp();
    Exec(u"INSERT INTO families(name, id_point) VALUES('Colony 2', 1);");
    Exec(u"DELETE FROM points WHERE name='Heath';");
    LoadJournalStores(db.get());
    ASSERT_EQ(GetPointFamilyCache()->FamiliesOf(1).size(), 2u);

    ASSERT_EQ(RestoreJournal(backups, backup), CJournalBackups::RestoreResult::Restored);
    EXPECT_EQ(GetPointFamilyCache()->FamiliesOf(1), std::vector<std::int32_t> { 1 });
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(2), nullptr);
    EXPECT_EQ(GetPointFamilyCache()->Points().size(), 2u);
}
