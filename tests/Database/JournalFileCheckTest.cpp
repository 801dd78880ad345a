#include "DatabaseManager.h"
#include "IDatabase.h"
#include "JournalFileCheck.h"
#include "MessageBox.h"
#include "TempWorkDir.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

namespace {
std::string Bytes(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Write(const char* path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A real journal of several pages, made by the program's own start.
std::string MadeJournal()
{
    {
        MessageBoxResponder boxes;
        GetDatabaseManager()->Initialize();
        CDatabaseLease database;
        RowList rows;
        for (int i = 0; i < 200; ++i)
            database->ExecRequest(rows, u"INSERT INTO points(name, note, id_record) VALUES('Meadow', 'by the river', 0)");
    }
    std::string bytes = Bytes("Journal.db");
    std::filesystem::remove("Journal.db");
    return bytes;
}

// Another program's write lock on the journal, released after `hold`.
class ForeignLock
{
public:
    explicit ForeignLock(std::chrono::milliseconds hold)
    {
        sqlite3_open("Journal.db", &m_handle);
        sqlite3_exec(m_handle, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        m_release = std::thread([this, hold] {
            std::this_thread::sleep_for(hold);
            sqlite3_exec(m_handle, "COMMIT", nullptr, nullptr, nullptr);
        });
    }
    ~ForeignLock()
    {
        m_release.join();
        sqlite3_close(m_handle);
    }

private:
    sqlite3* m_handle = nullptr;
    std::thread m_release;
};
}

TEST(JournalFileCheckTest, FilesThatAreNoJournalAreNamedAndLeftAsTheyAre)
{
    TempWorkDir dir;
    std::string noise(64 * 1024, '\0');
    std::mt19937 random(7);
    for (char& c : noise)
        c = static_cast<char>(random());
    Write("Journal.db", noise);
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::NotADatabase);
    EXPECT_EQ(Bytes("Journal.db"), noise);

    Write("Journal.db", "SQLite");
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::NotADatabase);
    EXPECT_EQ(Bytes("Journal.db"), "SQLite");

    std::filesystem::remove("Journal.db");
    const std::string journal = MadeJournal();
    ASSERT_GT(journal.size(), 8192u);
    const std::string truncated = journal.substr(0, journal.size() / 2);
    Write("Journal.db", truncated);
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Damaged);
    EXPECT_EQ(Bytes("Journal.db"), truncated);

    std::filesystem::remove("Journal.db");
    std::filesystem::create_directory("Journal.db");
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Folder);
    EXPECT_TRUE(std::filesystem::is_empty("Journal.db"));
}

TEST(JournalFileCheckTest, MissingEmptyAndWholeJournalsAreUsable)
{
    TempWorkDir dir;
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Usable);
    EXPECT_FALSE(std::filesystem::exists("Journal.db"));
    Write("Journal.db", "");
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Usable);
    EXPECT_EQ(std::filesystem::file_size("Journal.db"), 0u);

    const std::string journal = MadeJournal();
    Write("Journal.db", journal);
    EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Usable);
    EXPECT_EQ(Bytes("Journal.db"), journal);
}

TEST(JournalFileCheckTest, AShortLockIsWaitedForAndALongOneIsNamed)
{
    TempWorkDir dir;
    Write("Journal.db", MadeJournal());
    {
        ForeignLock lock(std::chrono::seconds(2));
        EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Usable);
    }
    {
        // The program's own statements wait too: no error box for a lock released in time.
        MessageBoxResponder boxes;
        CDatabaseLease database;
        ForeignLock lock(std::chrono::seconds(2));
        RowList rows;
        database->ExecRequest(rows, u"INSERT INTO points(name, note, id_record) VALUES('Orchard', '', 0)");
        EXPECT_FALSE(database->HasError());
        EXPECT_TRUE(boxes.Calls().empty());
    }
    const std::string before = Bytes("Journal.db");
    {
        ForeignLock lock(std::chrono::milliseconds(kBusyTimeoutMs + 2000));
        EXPECT_EQ(CheckJournalFile(u"Journal.db"), JournalFileState::Locked);
    }
    EXPECT_EQ(Bytes("Journal.db"), before);
}
