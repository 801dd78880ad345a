#include "DamagedPages.h"
#include "JournalBackups.h"
#include "TableFixture.h"
#include "Text.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

namespace {
// Runs one statement on a file through a connection of its own and gives the first value.
std::string QueryFile(const std::filesystem::path& file, const char* sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open_v2(file.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    std::string value = "<failed>";
    if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return value;
}

class JournalBackupsTest : public TableFixture
{
protected:
    std::u16string PointCount() { return Column(u"SELECT COUNT(*) FROM points;").front(); }
    void AddPoints(int count)
    {
        for (int i = 0; i < count; ++i)
            Exec(u"INSERT INTO points(name) VALUES('site " + IntToText(i) + u"');");
    }

    CJournalBackups backups { dir.Path() / "Journal.db", dir.Path() / "backups", 10 };
};
}

TEST_F(JournalBackupsTest, ABackupTakenWhileTheJournalIsWrittenIsWholeAndHoldsOnlyCommittedRows)
{
    AddPoints(20);
    // A second writer commits rows as fast as it can while the backups are taken.
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        sqlite3* handle = nullptr;
        sqlite3_open((dir.Path() / "Journal.db").c_str(), &handle);
        sqlite3_busy_timeout(handle, 5000);
        while (!stop)
            sqlite3_exec(handle, "BEGIN; INSERT INTO points(name) VALUES('a'); INSERT INTO points(name) VALUES('b'); COMMIT;",
                nullptr, nullptr, nullptr);
        sqlite3_close(handle);
    });
    std::vector<std::filesystem::path> copies;
    for (int i = 0; i < 5; ++i)
        copies.push_back(backups.BackUp());
    stop = true;
    writer.join();

    db->BeginTransaction(u"open");
    AddPoints(7);
    copies.push_back(backups.BackUp());
    db->EndTransaction(u"open");

    for (const auto& copy : copies) {
        ASSERT_FALSE(copy.empty());
        EXPECT_EQ(QueryFile(copy, "PRAGMA integrity_check;"), "ok") << copy;
        // The writer's transactions add two rows each, so a whole copy never holds an odd count.
        EXPECT_EQ(std::stoi(QueryFile(copy, "SELECT COUNT(*) FROM points;")) % 2, 0) << copy;
    }
    EXPECT_EQ(QueryFile(copies.back(), "SELECT COUNT(*) FROM points;"), ToUtf8(IntToText(WToI(PointCount()) - 7)));
    EXPECT_EQ(backups.List(), copies);
}

TEST_F(JournalBackupsTest, TheEleventhBackupRemovesTheOldestAndLeavesOtherFilesAlone)
{
    std::filesystem::create_directory("backups");
    std::ofstream("backups/notes.txt") << "mine";
    std::vector<std::filesystem::path> taken;
    for (int i = 0; i < 11; ++i)
        taken.push_back(backups.BackUp());

    const auto kept = backups.List();
    ASSERT_EQ(kept.size(), 10u);
    EXPECT_EQ(kept, std::vector<std::filesystem::path>(taken.begin() + 1, taken.end()));
    EXPECT_FALSE(std::filesystem::exists(taken.front()));
    EXPECT_TRUE(std::filesystem::exists("backups/notes.txt"));
}

TEST_F(JournalBackupsTest, RestoreBringsBackDeletedRowsThroughTheOpenConnection)
{
    AddPoints(3);
    const auto backup = backups.BackUp();
    Exec(u"DELETE FROM points;");
    ASSERT_EQ(PointCount(), u"0");

    EXPECT_EQ(backups.Restore(backup), CJournalBackups::RestoreResult::Restored);

    EXPECT_EQ(PointCount(), u"3");
    // The journal as it was before the restore was kept too.
    const auto list = backups.List();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(QueryFile(list.back(), "SELECT COUNT(*) FROM points;"), "0");
}

TEST_F(JournalBackupsTest, RestoringTheOldestOfAFullFolderStillWorks)
{
    CJournalBackups two(dir.Path() / "Journal.db", dir.Path() / "backups", 2);
    AddPoints(1);
    const auto oldest = two.BackUp();
    Exec(u"DELETE FROM points;");
    two.BackUp();

    EXPECT_EQ(two.Restore(oldest), CJournalBackups::RestoreResult::Restored);
    EXPECT_EQ(PointCount(), u"1");
    EXPECT_EQ(two.List().size(), 2u);
}

TEST_F(JournalBackupsTest, AFileThatIsNotAJournalIsRefusedAndTheJournalIsUnchanged)
{
    AddPoints(2);
    std::ofstream("text.db") << "not a database at all, just some words that fill a header";
    std::ofstream("empty.db");
    {
        sqlite3* handle = nullptr;
        sqlite3_open("other.db", &handle);
        sqlite3_exec(handle, "CREATE TABLE things(x);", nullptr, nullptr, nullptr);
        sqlite3_close(handle);
    }

    for (const char* file : { "text.db", "empty.db", "other.db", "missing.db" })
        EXPECT_EQ(backups.Restore(dir.Path() / file), CJournalBackups::RestoreResult::NotAJournal) << file;
    EXPECT_EQ(PointCount(), u"2");
    EXPECT_TRUE(backups.List().empty());
}

TEST_F(JournalBackupsTest, CopiesOfADamagedJournalNeverPushOutTheGoodBackups)
{
    CJournalBackups three(dir.Path() / "Journal.db", dir.Path() / "backups", 3);
    for (int i = 0; i < 400; ++i)
        Exec(u"INSERT INTO points(name) VALUES('" + std::u16string(300, u'a') + u"');");
    std::vector<std::filesystem::path> good;
    for (int i = 0; i < 3; ++i)
        good.push_back(three.BackUp());
    OverwritePages(dir.Path() / "Journal.db", 4, 3);

    std::vector<std::filesystem::path> damaged;
    for (int i = 0; i < 10; ++i) {
        damaged.push_back(three.BackUp());
        ASSERT_TRUE(CJournalBackups::IsDamaged(damaged.back())) << damaged.back();
    }

    EXPECT_EQ(three.List(), good);
    for (const auto& copy : good)
        EXPECT_EQ(QueryFile(copy, "PRAGMA quick_check;"), "ok") << copy;
    // The damaged copies are bounded by the same number, the newest kept.
    for (std::size_t i = 0; i < damaged.size(); ++i)
        EXPECT_EQ(std::filesystem::exists(damaged[i]), i + 3 >= damaged.size()) << damaged[i];
}

namespace {
// As if the journal had last been written an hour ago.
void AgeJournal(const std::filesystem::path& journal)
{
    std::filesystem::last_write_time(journal, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}
}

TEST_F(JournalBackupsTest, TheNewestCopyStandsForAJournalOnlyWhileNothingChangedIt)
{
    const std::filesystem::path journal = dir.Path() / "Journal.db";
    AddPoints(3);
    // Copied right after a write: a write within the same clock tick could have gone unseen.
    ASSERT_FALSE(backups.BackUp().empty());
    EXPECT_TRUE(backups.KeepIfUnchanged().empty());

    AgeJournal(journal);
    const std::filesystem::path copy = backups.BackUp();
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(backups.KeepIfUnchanged(), copy);
    EXPECT_EQ(backups.KeepIfUnchanged(), copy);

    // A committed change, even with the file's time put back.
    const auto written = std::filesystem::last_write_time(journal);
    AddPoints(1);
    std::filesystem::last_write_time(journal, written);
    EXPECT_TRUE(backups.KeepIfUnchanged().empty());

    // Bytes changed beside SQLite, past its header.
    ASSERT_FALSE(backups.BackUp().empty());
    AgeJournal(journal);
    ASSERT_FALSE(backups.BackUp().empty());
    ASSERT_FALSE(backups.KeepIfUnchanged().empty());
    OverwritePages(journal, 2, 1);
    EXPECT_TRUE(backups.KeepIfUnchanged().empty());
}

TEST_F(JournalBackupsTest, ACopyNewerThanTheRecordedOneOrAWriteAheadLogMeansChanged)
{
    const std::filesystem::path journal = dir.Path() / "Journal.db";
    AgeJournal(journal);
    ASSERT_FALSE(backups.BackUp().empty());
    ASSERT_FALSE(backups.KeepIfUnchanged().empty());
    // A copy the backups did not take, newer than the recorded one.
    const std::filesystem::path foreign = dir.Path() / "backups" / "Journal-29991231-235959-999.db";
    std::filesystem::copy_file(backups.List().back(), foreign);
    EXPECT_TRUE(backups.KeepIfUnchanged().empty());
    std::filesystem::remove(foreign);
    ASSERT_FALSE(backups.KeepIfUnchanged().empty());

    // A write-ahead log changes the file without counting it in the header.
    Exec(u"PRAGMA journal_mode=WAL;");
    AgeJournal(journal);
    ASSERT_FALSE(backups.BackUp().empty());
    EXPECT_TRUE(backups.KeepIfUnchanged().empty());
}
