#include "HandlersFixture.h"
#include "JournalJson.h"
#include "LanguageManager.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
class JournalImportTest : public HandlersFixture
{
protected:
    JournalImportTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetLanguageManager()->Initialize();
    }
    ~JournalImportTest() override { DeleteLanguageManager(); }

    // The journal as written for moving, then emptied of what the beekeeper entered.
    std::filesystem::path WrittenAndEmptied()
    {
        const std::int32_t site = AddPoint(u"Луг");
        const std::int32_t colony = AddFamily(site, u"North");
        AddInspect(colony);
        CQueenBeeCache::QueenBee queen;
        queen.name = u"Bella";
        queen.id_family = colony;
        journal.queens.Add(queen);
        const std::filesystem::path file = dir.Path() / "moved.json";
        std::ofstream(file, std::ios::binary) << JournalToJson(CDatabaseLease().get());
        EXPECT_TRUE(journal.sites.Delete(site));
        Exec(u"DELETE FROM queen_bee");
        Exec(u"DELETE FROM housings");
        return file;
    }
};
}

TEST_F(JournalImportTest, AnEmptyJournalTakesTheDocumentAfterABackupAndTheWindowsHearOfIt)
{
    const std::filesystem::path file = WrittenAndEmptied();
    LoadJournalStores(CDatabaseLease().get());
    EventLog log;
    EXPECT_TRUE(journal.imports.Import(file));
    EXPECT_TRUE(boxes.Calls().empty());

    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM queen_bee"), 1);
    // The stores were read again and every page told.
    ASSERT_EQ(GetPointFamilyCache()->Points().size(), 1u);
    EXPECT_EQ(GetPointFamilyCache()->Points().begin()->second.name, u"Луг");
    EXPECT_FALSE(log.events.empty());
    // The backup holds the journal as it was before.
    ASSERT_TRUE(std::filesystem::is_directory("backups"));
    EXPECT_FALSE(std::filesystem::is_empty("backups"));
}

TEST_F(JournalImportTest, ARefusedDocumentChangesNothingAndSaysWhy)
{
    const std::filesystem::path file = WrittenAndEmptied();
    AddPoint(u"Meadow");
    EventLog log;
    EXPECT_FALSE(journal.imports.Import(file));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    const std::u16string notEmpty = GetLanguageManager()->GetString(StringId::ImportJournalNotEmpty);
    ASSERT_FALSE(notEmpty.empty());
    EXPECT_EQ(boxes.Calls()[0].text.find(notEmpty), 0u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 0);
    EXPECT_TRUE(log.events.empty());

    std::ofstream(dir.Path() / "other.json") << "{\"a\": 1}";
    EXPECT_FALSE(journal.imports.Import(dir.Path() / "other.json"));
    EXPECT_FALSE(journal.imports.Import(dir.Path() / "missing.json"));
    EXPECT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM points"), 1);
}
