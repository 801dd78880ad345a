#include "Application.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "Registry.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "VisualManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
void StartAndEnd()
{
    auto* application = static_cast<CApplication*>(GetApplication());
    ASSERT_TRUE(application->InitInstance());
    application->Release();
    // The windows' manager outlives an application; the next start needs a fresh one.
    DeleteVisualManager();
}
}

TEST(StartBackupTest, EachStartBacksTheJournalUpAndTheEleventhRemovesTheOldest)
{
    TempWorkDir dir;
    RegistryRootOverride registry(FromPath(dir.Path() / "config"));
    std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
    MessageBoxResponder boxes;

    StartAndEnd();
    const std::vector<std::filesystem::path> first = JournalBackups().List();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].parent_path(), std::filesystem::path("backups"));
    for (int i = 0; i < 9; ++i)
        ASSERT_FALSE(JournalBackups().BackUp().empty());
    ASSERT_EQ(JournalBackups().List().size(), 10u);

    StartAndEnd();
    const std::vector<std::filesystem::path> after = JournalBackups().List();
    ASSERT_EQ(after.size(), 10u);
    EXPECT_FALSE(std::filesystem::exists(first[0]));
    EXPECT_TRUE(boxes.Calls().empty());

    // The number the main settings page stores.
    WriteRegistryString(u"3", kMainSettingsKey, kBackupsKeptName);
    StartAndEnd();
    const std::vector<std::filesystem::path> three = JournalBackups().List();
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three.front(), after[after.size() - 2]);
}

TEST(StartBackupTest, AStartWhoseBackupCannotBeMadeSaysSoAndStillOpens)
{
    TempWorkDir dir;
    RegistryRootOverride registry(FromPath(dir.Path() / "config"));
    std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
    // A file where the backups' folder belongs.
    std::ofstream("backups") << "x";
    MessageBoxResponder boxes;

    StartAndEnd();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, GetLanguageManager()->GetString(StringId::BackupFailed));
    EXPECT_EQ(boxes.Calls()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_TRUE(std::filesystem::is_regular_file("backups"));
}
