#include "Application.h"
#include "BackupDialog.h"
#include "DamagedPages.h"
#include "DatabaseManager.h"
#include "Dialog.h"
#include "IComponent.h"
#include "IVisualComponent.h"
#include "JournalComponent.h"
#include "JournalData.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "PictureButton.h"
#include "Registry.h"
#include "SchemaMigrations.h"
#include "StartBackup.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "UiTest.h"
#include "VisualManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
std::string Bytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Runs the statements on the journal (or another file) through a connection of its own.
RowList Query(std::initializer_list<std::u16string> statements, const std::u16string& path = kJournalDatabase)
{
    CDatabaseLease database(path);
    RowList rows;
    for (const std::u16string& statement : statements)
        database->ExecRequest(rows, statement);
    return rows;
}

std::u16string Text(std::int32_t id)
{
    return GetLanguageManager()->GetString(id);
}

// The calls whose text begins with the given one.
std::vector<MessageBoxResponder::Call> CallsStartingWith(const MessageBoxResponder& boxes, const std::u16string& head)
{
    std::vector<MessageBoxResponder::Call> found;
    std::copy_if(boxes.Calls().begin(), boxes.Calls().end(), std::back_inserter(found),
        [&](const MessageBoxResponder::Call& call) { return call.text.starts_with(head); });
    return found;
}

class StartChecksTest : public testing::Test
{
protected:
    StartChecksTest() { std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang"); }

    // Starts and lets the loop settle the start's backup.
    CApplication* Start(bool expected = true)
    {
        auto* application = static_cast<CApplication*>(GetApplication());
        EXPECT_EQ(application->InitInstance(), expected);
        EXPECT_TRUE(UiTest::WaitUntil([] { return !GetStartBackup()->IsPending(); }));
        return application;
    }

    void StartAndEnd()
    {
        Start()->Release();
        // The windows' manager outlives an application; the next start needs a fresh one.
        DeleteVisualManager();
    }

    // A journal of many sites, with a good backup of them.
    void FillAndBackUp()
    {
        StartAndEnd();
        {
            CDatabaseLease database;
            RowList rows;
            for (int i = 0; i < 400; ++i)
                database->ExecRequest(rows, u"INSERT INTO points(name) VALUES('" + std::u16string(300, u's') + u"');");
        }
        ASSERT_FALSE(JournalBackups().BackUp().empty());
    }

    TempWorkDir dir;
    RegistryRootOverride registry { FromPath(dir.Path() / "config") };
    // No start of a test ever waits for a user.
    MessageBoxResponder boxes;
    DialogResponder dialogs;
};

std::int32_t AddSite(CApplication* application)
{
    auto* journal = dynamic_cast<CJournalComponent*>(application->GetComponents().at(1));
    PointData point;
    point.name = u"Meadow";
    return journal->AddPoint(point);
}
}

TEST_F(StartChecksTest, ADamagedJournalIsNamedOffersTheNewestGoodBackupAndIsNotWritten)
{
    FillAndBackUp();
    const std::filesystem::path good = JournalBackups().List().back();
    OverwritePages("Journal.db", 20, 3);
    const std::string damaged = Bytes("Journal.db");

    boxes.ClearCalls();
    // The offer's first button opens the backups, which are closed without a restore.
    dialogs.Then([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    CApplication* application = Start();
    const auto offers = CallsStartingWith(boxes, Text(StringId::JournalDamagedFound));
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].type, static_cast<UINT>(MB_YESNO | MB_ICONERROR));
    EXPECT_NE(offers[0].text.find(Text(StringId::JournalDamagedRestoreQuestion) + u' ' + BackupTakenAt(good)),
        std::u16string::npos);
    EXPECT_EQ(dialogs.Count(), 1);

    boxes.ClearCalls();
    EXPECT_EQ(AddSite(application), 0);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::JournalHeldForReading));
    application->Release();

    EXPECT_EQ(Bytes("Journal.db"), damaged);
    // The start's copy is kept as damaged and the good backup is still the newest to restore.
    EXPECT_EQ(JournalBackups().List().back(), good);
}

TEST_F(StartChecksTest, RestoringFromTheOfferLetsTheJournalBeWrittenAgain)
{
    FillAndBackUp();
    OverwritePages("Journal.db", 20, 3);

    boxes.ClearCalls();
    // The offer's first button opens the backups; restore the newest and say yes to its question.
    dialogs.Then([](CDialog& dialog) {
        dialog.OnCommand(CBackupDialog::IdRestore, 0);
        dialog.EndDialog(IDOK);
    });
    CApplication* application = Start();
    EXPECT_EQ(dialogs.Count(), 1);
    ASSERT_EQ(CallsStartingWith(boxes, Text(StringId::RestoreDone)).size(), 1u);

    boxes.ClearCalls();
    EXPECT_NE(AddSite(application), 0);
    EXPECT_TRUE(boxes.Calls().empty());
    application->Release();
    RowList rows;
    CDatabaseLease()->ExecRequest(rows, u"PRAGMA quick_check;");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"ok");
}

TEST_F(StartChecksTest, AMissingTableIsNamedBeforeTheBackupKeepsTheJournalAsFound)
{
    StartAndEnd();
    Query({ u"DROP TABLE points;" });
    boxes.ClearCalls();
    StartAndEnd();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::JournalTablesMissing) + u"\npoints");
    EXPECT_EQ(boxes.Calls()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));

    CDatabaseLease backup(FromPath(JournalBackups().List().back()));
    EXPECT_FALSE(backup->HasTable(u"points"));
    EXPECT_TRUE(CDatabaseLease()->HasTable(u"points"));
}

TEST_F(StartChecksTest, AJournalOfTheElevenTablesIsCopiedAsFoundBeforeItTakesTheSchemaSteps)
{
    // A journal as the program before the steps left it: its tables, a site, user_version 0.
    GetDatabaseManager()->Initialize();
    Query({ u"INSERT INTO points(name) VALUES('North');" });
    CApplication* application = Start();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(SchemaMigrations::FileVersion(CDatabaseLease().get()), SchemaMigrations::LatestVersion());
    EXPECT_NE(AddSite(application), 0);
    application->Release();

    ASSERT_EQ(JournalBackups().List().size(), 1u);
    const std::u16string copy = FromPath(JournalBackups().List().back());
    EXPECT_EQ(SchemaMigrations::FileVersion(CDatabaseLease(copy).get()), 0);
    const RowList names = Query({ u"SELECT name FROM points;" }, copy);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0][0].second, u"North");
}

TEST_F(StartChecksTest, AJournalExtendedByANewerProgramIsSaidOnceAndLeftAsItIs)
{
    StartAndEnd();
    Query({ u"CREATE TABLE from_a_newer_program(id INTEGER);", u"INSERT INTO from_a_newer_program VALUES(7);",
        u"PRAGMA user_version = 9999;" });
    boxes.ClearCalls();
    CApplication* application = Start();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::NewerJournalNotice));
    // The journal is written as usual.
    EXPECT_NE(AddSite(application), 0);
    application->Release();
    EXPECT_EQ(SchemaMigrations::FileVersion(CDatabaseLease().get()), 9999);
    const RowList rows = Query({ u"SELECT id FROM from_a_newer_program;" });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"7");
}

TEST_F(StartChecksTest, AWorkingFolderWhereTheLockCannotBeMadeIsNamedAndTheStartFails)
{
    // Where the lock file belongs, something that cannot be opened as one.
    std::filesystem::create_directory("Tolvik.lock");
    Start(false)->Release();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(Text(StringId::WorkFolderReadOnly)), std::u16string::npos);
    EXPECT_NE(boxes.Calls()[0].text.find(FromPath(dir.Path())), std::u16string::npos);
    EXPECT_FALSE(std::filesystem::exists("Journal.db"));
}

TEST_F(StartChecksTest, UnreadableLanguageFilesAreNamedAndTheLauncherStillOffersTheJournal)
{
    std::ofstream("Lang/Русский.lng", std::ios::trunc);
    std::ofstream("Lang/English.lng", std::ios::trunc | std::ios::binary) << std::string("\x01\x02[Str\xff\xfe", 8);
    WriteRegistryString(u"English", kMainSettingsKey, u"combo_lang");
    CApplication* application = Start();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    const std::u16string& text = boxes.Calls()[0].text;
    EXPECT_NE(text.find(u"Файлы языка"), std::u16string::npos);
    EXPECT_NE(text.find(u"The language files"), std::u16string::npos);
    EXPECT_NE(text.find(u"Lang/Русский.lng"), std::u16string::npos);
    EXPECT_NE(text.find(u"Lang/English.lng"), std::u16string::npos);

    const std::vector<IComponent*> components = application->GetComponents();
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(GetVisualManager()->FindComponent(StringId::JournalName), components[1]->GetVisualComponent());
    EXPECT_EQ(GetVisualManager()->FindComponent(StringId::MainSettingsTitle), components[0]->GetVisualComponent());
    EXPECT_EQ(components[1]->GetName(), ComponentName(StringId::JournalName));
    EXPECT_FALSE(components[1]->GetName().empty());
    EXPECT_NE(components[0]->GetName(), components[1]->GetName());
    // Both launcher buttons say what they open.
    for (IComponent* component : components) {
        auto* button = dynamic_cast<CPictureButton*>(component->GetVisualComponent()->GetButton());
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(UiTest::WaitUntil([&] { return !button->GetWrappedCaption().empty(); }));
    }
    application->Release();
}
