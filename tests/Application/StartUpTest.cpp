#include "Application.h"
#include "DatabaseManager.h"
#include "IComponent.h"
#include "MessageBox.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
std::vector<std::u16string> Tables()
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"SELECT name FROM sqlite_master WHERE type='table' AND name<>'sqlite_sequence' ORDER BY rowid");
    std::vector<std::u16string> names;
    for (const RowData& row : rows)
        names.push_back(row[0].second);
    return names;
}
}

TEST(StartUpTest, CreatesTheJournalAndTheComponentsInOrder)
{
    TempWorkDir dir;
    std::filesystem::create_directory("Lang");
    std::filesystem::copy_file(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang" / u8"Русский.lng",
        std::filesystem::path("Lang") / u8"Русский.lng");
    MessageBoxResponder boxes;
    auto* application = static_cast<CApplication*>(GetApplication());
    EXPECT_TRUE(application->InitInstance());
    EXPECT_TRUE(boxes.Calls().empty());

    EXPECT_EQ(Tables(),
        (std::vector<std::u16string> { u"field_values", u"points", u"queen_bee", u"families", u"evacuation", u"housings",
            u"inspect", u"journal", u"user_fields", u"type_housing", u"type_frame" }));
    const std::vector<IComponent*> components = application->GetComponents();
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[0]->GetName(), u"Настройки программы");
    EXPECT_EQ(components[1]->GetName(), u"Пасечный журнал");
    application->Release();
}
