#include "Application.h"
#include "DatabaseManager.h"
#include "IComponent.h"
#include "JournalComponent.h"
#include "JournalData.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "Registry.h"
#include "StartBackup.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "UiTest.h"
#include "VisualManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
// Starts, lets the loop settle the start's backup, and ends.
void StartAndEnd()
{
    auto* application = static_cast<CApplication*>(GetApplication());
    ASSERT_TRUE(application->InitInstance());
    EXPECT_TRUE(UiTest::WaitUntil([] { return !GetStartBackup()->IsPending(); }));
    application->Release();
    // The windows' manager outlives an application; the next start needs a fresh one.
    DeleteVisualManager();
}

// As if the journal had last been written an hour ago.
void AgeJournal()
{
    std::filesystem::last_write_time("Journal.db", std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}

void AddSite()
{
    RowList rows;
    CDatabaseLease()->ExecRequest(rows, u"INSERT INTO points(name) VALUES('Meadow');");
}

class StartBackupTest : public testing::Test
{
protected:
    StartBackupTest() { std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang"); }

    TempWorkDir dir;
    RegistryRootOverride registry { FromPath(dir.Path() / "config") };
    MessageBoxResponder boxes;
};
}

TEST_F(StartBackupTest, AStartBacksUpOnlyAChangedJournalAndKeepsTheNumberSet)
{
    StartAndEnd();
    AgeJournal();
    StartAndEnd();
    const std::vector<std::filesystem::path> first = JournalBackups().List();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back().parent_path(), std::filesystem::path("backups"));

    // Unchanged since its newest copy: no start writes another.
    StartAndEnd();
    StartAndEnd();
    EXPECT_EQ(JournalBackups().List(), first);

    // Changed: the next start copies it, and the start after that does not.
    AddSite();
    StartAndEnd();
    AgeJournal();
    StartAndEnd();
    const std::vector<std::filesystem::path> changed = JournalBackups().List();
    ASSERT_EQ(changed.size(), first.size() + 2);
    CDatabaseLease copy(FromPath(changed.back()));
    EXPECT_TRUE(copy->HasTable(u"points"));
    RowList rows;
    copy->ExecRequest(rows, u"SELECT name FROM points;");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"Meadow");
    StartAndEnd();
    EXPECT_EQ(JournalBackups().List(), changed);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StartBackupTest, TheEleventhBackupRemovesTheOldestAndAFewerNumberAppliesWithoutACopy)
{
    StartAndEnd();
    const std::vector<std::filesystem::path> first = JournalBackups().List();
    ASSERT_EQ(first.size(), 1u);
    for (int i = 0; i < 9; ++i)
        ASSERT_FALSE(JournalBackups().BackUp().empty());
    ASSERT_EQ(JournalBackups().List().size(), 10u);

    AddSite();
    StartAndEnd();
    const std::vector<std::filesystem::path> after = JournalBackups().List();
    ASSERT_EQ(after.size(), 10u);
    EXPECT_FALSE(std::filesystem::exists(first[0]));

    // The number the main settings page stores, lowered while the journal stays as copied.
    AgeJournal();
    ASSERT_FALSE(JournalBackups().BackUp().empty());
    WriteRegistryString(u"3", kMainSettingsKey, kBackupsKeptName);
    const std::vector<std::filesystem::path> before = JournalBackups().List();
    StartAndEnd();
    const std::vector<std::filesystem::path> three = JournalBackups().List();
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three, std::vector<std::filesystem::path>(before.end() - 3, before.end()));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StartBackupTest, AChangeTriedBeforeTheStartsCopyIsCheckedWaitsForTheCheckAndIsSaved)
{
    StartAndEnd();
    AddSite();
    auto* application = static_cast<CApplication*>(GetApplication());
    ASSERT_TRUE(application->InitInstance());
    ASSERT_TRUE(GetStartBackup()->IsPending());
    EXPECT_TRUE(GetDatabaseManager()->IsHeldForReading());

    auto* journal = dynamic_cast<CJournalComponent*>(application->GetComponents().at(1));
    PointData point;
    point.name = u"Heath";
    EXPECT_NE(journal->AddPoint(point), 0);
    EXPECT_FALSE(GetStartBackup()->IsPending());
    EXPECT_FALSE(GetDatabaseManager()->IsHeldForReading());
    EXPECT_TRUE(boxes.Calls().empty());
    application->Release();
    DeleteVisualManager();
    EXPECT_EQ(JournalBackups().List().size(), 2u);
}

TEST_F(StartBackupTest, AStartWhoseBackupCannotBeMadeSaysSoAndStillOpens)
{
    // A file where the backups' folder belongs.
    std::ofstream("backups") << "x";

    StartAndEnd();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, GetLanguageManager()->GetString(StringId::BackupFailed));
    EXPECT_EQ(boxes.Calls()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_TRUE(std::filesystem::is_regular_file("backups"));
}
