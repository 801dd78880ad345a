#include "Application.h"
#include "DatabaseManager.h"
#include "IComponent.h"
#include "InstanceLock.h"
#include "MessageBox.h"
#include "SchemaMigrations.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
// The first column of the rows the query gives.
std::vector<std::u16string> Column(const std::u16string& sql)
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, sql);
    std::vector<std::u16string> values;
    for (const RowData& row : rows)
        values.push_back(row[0].second);
    return values;
}

std::vector<std::u16string> Tables()
{
    return Column(u"SELECT name FROM sqlite_master WHERE type='table' AND name<>'sqlite_sequence' ORDER BY rowid");
}

void CopyLanguage(const char8_t* file)
{
    std::filesystem::create_directory("Lang");
    std::filesystem::copy_file(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang" / file,
        std::filesystem::path("Lang") / file);
}
}

TEST(StartUpTest, CreatesTheJournalAndTheComponentsInOrder)
{
    TempWorkDir dir;
    CopyLanguage(u8"Русский.lng");
    MessageBoxResponder boxes;
    auto* application = static_cast<CApplication*>(GetApplication());
    EXPECT_TRUE(application->InitInstance());
    EXPECT_TRUE(boxes.Calls().empty());

    // The eleven tables, then those of the schema steps, which a new journal takes at once.
    EXPECT_EQ(Tables(),
        (std::vector<std::u16string> { u"field_values", u"points", u"queen_bee", u"families", u"evacuation", u"housings",
            u"inspect", u"journal", u"user_fields", u"type_housing", u"type_frame", u"colony_events",
            u"colony_event_queens", u"treatment_products", u"treatments", u"feed_types", u"feedings", u"care_colonies",
            u"harvests", u"harvest_supers", u"mite_counts", u"tasks" }));
    const std::vector<IComponent*> components = application->GetComponents();
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[0]->GetName(), u"Настройки программы");
    EXPECT_EQ(components[1]->GetName(), u"Пасечный журнал");
    // A new journal starts with the hive types and frame sizes of its language.
    const std::vector<std::u16string> types = Column(u"SELECT name FROM type_housing");
    EXPECT_EQ(types.size(), 5u);
    EXPECT_NE(std::find(types.begin(), types.end(), u"Дадан"), types.end());
    const std::vector<std::u16string> frames = Column(u"SELECT name FROM type_frame");
    EXPECT_EQ(frames.size(), 6u);
    EXPECT_NE(std::find(frames.begin(), frames.end(), u"Дадан гнездовая 435×300 мм"), frames.end());
    // And with the common medicines and feeds, their decimals read with the language's comma.
    EXPECT_EQ(Column(u"SELECT COUNT(*) FROM treatment_products"), std::vector<std::u16string> { u"8" });
    EXPECT_EQ(Column(u"SELECT withdrawal_days || ' ' || dose FROM treatment_products WHERE name='Тимол, гель'"),
        std::vector<std::u16string> { u"28 50.0" });
    EXPECT_EQ(Column(u"SELECT sugar_share || ' ' || density FROM feed_types WHERE name='Сахарный сироп 1:1'"),
        std::vector<std::u16string> { u"0.5 1.23" });
    application->Release();
}

TEST(StartUpTest, AJournalThatExistsGetsNoStarterTypes)
{
    TempWorkDir dir;
    CopyLanguage(u8"Русский.lng");
    GetDatabaseManager()->Initialize();
    MessageBoxResponder boxes;
    auto* application = static_cast<CApplication*>(GetApplication());
    EXPECT_TRUE(application->InitInstance());
    EXPECT_TRUE(Column(u"SELECT name FROM type_housing").empty());
    EXPECT_TRUE(Column(u"SELECT name FROM type_frame").empty());
    // The step that brings the care's tables brings their starter lists, in the journal's language.
    EXPECT_EQ(Column(u"PRAGMA user_version"), std::vector<std::u16string> { IntToText(SchemaMigrations::LatestVersion()) });
    EXPECT_TRUE(boxes.Calls().empty());
    const std::vector<std::u16string> feeds = Column(u"SELECT name FROM feed_types ORDER BY id_feed_type");
    ASSERT_EQ(feeds.size(), 6u);
    EXPECT_EQ(feeds.front(), u"Сахарный сироп 1:1");
    EXPECT_EQ(Column(u"SELECT COUNT(*) FROM treatment_products"), std::vector<std::u16string> { u"8" });
    application->Release();
}

TEST(StartUpTest, AJournalThatIsNoDatabaseIsSaidOnceAndLeftAlone)
{
    TempWorkDir dir;
    std::filesystem::create_directory("Lang");
    std::filesystem::copy_file(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang" / u8"Русский.lng",
        std::filesystem::path("Lang") / u8"Русский.lng");
    const std::string noise = "This is a shopping list, not a journal.\n" + std::string(5000, 'x');
    std::ofstream("Journal.db", std::ios::binary) << noise;
    MessageBoxResponder boxes;
    auto* application = static_cast<CApplication*>(GetApplication());
    EXPECT_FALSE(application->InitInstance());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(u"Journal.db"), std::u16string::npos);
    EXPECT_NE(boxes.Calls()[0].text.find(u"не является базой данных журнала"), std::u16string::npos);
    std::ifstream file("Journal.db", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()), noise);
    EXPECT_TRUE(application->GetComponents().empty());
    application->Release();
}

TEST(StartUpTest, ASecondStartShowsTheRunningProgramAndEnds)
{
    TempWorkDir dir;
    CInstanceLock running(u".");
    ASSERT_TRUE(running.IsHeld());
    int showRequests = 0;
    running.OnShowRequest([&] { ++showRequests; });

    MessageBoxResponder boxes;
    auto* application = static_cast<CApplication*>(GetApplication());
    EXPECT_FALSE(application->InitInstance());
    EXPECT_TRUE(UiTest::WaitUntil([&] { return showRequests == 1; }));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_FALSE(std::filesystem::exists("Journal.db"));
    application->Release();
}
