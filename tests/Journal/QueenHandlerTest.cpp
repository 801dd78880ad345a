#include "DatabaseManager.h"
#include "EventManager.h"
#include "JournalHandlers.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StorageErrorBoxes.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "Tr.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {
class Counter : public ISubscriber
{
public:
    Counter() { GetEventManager()->Subscribe(this, EventQueenBeesChanged); }
    ~Counter() override { GetEventManager()->Unsubscribe(this, EventQueenBeesChanged); }
    void OnEvent() override { ++calls; }
    int calls = 0;
};

class QueenHandlerTest : public testing::Test
{
protected:
    // The colonies the queens are added to; a queen is stored only for a colony of the journal.
    QueenHandlerTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetLanguageManager()->Initialize();
        GetDatabaseManager()->Initialize();
        for (std::int32_t idFamily : { 5, 6, 7, 9 })
            GetPointFamilyCache()->AddFamily(idFamily, { u"Colony", u"", 1, 0, 0 });
    }
    ~QueenHandlerTest() override { DeleteLanguageManager(); }

    std::int32_t Add(const std::u16string& name, std::int32_t idFamily, std::int32_t idParent = 0)
    {
        CQueenBeeCache::QueenBee queen;
        queen.name = name;
        queen.id_family = idFamily;
        queen.id_parent_queen_bee = idParent;
        return handler.Add(queen);
    }

    std::u16string Stored(const char16_t* sql)
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, sql);
        return rows.empty() ? u"none" : rows[0][0].second;
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    CQueenHandler& handler = GetJournalHandlers()->queens;
    const CQueenBeeCache& queens = *GetQueenBeeCache();
};
}

TEST_F(QueenHandlerTest, KeepsColoniesAndDaughtersInStep)
{
    Counter events;
    const std::int32_t mother = Add(u"Bella", 5);
    const std::int32_t first = Add(u"Flora", 5, mother);
    const std::int32_t second = Add(u"Greta", 6, mother);
    EXPECT_EQ(mother, 1);
    EXPECT_EQ(events.calls, 3);
    EXPECT_EQ(queens.QueensOf(5).size(), 2u);
    EXPECT_EQ(queens.DaughtersOf(mother), (std::vector<std::int32_t> { first, second }));

    handler.SetFamily(first, 6);
    EXPECT_EQ(queens.QueensOf(5).size(), 1u);
    EXPECT_EQ(queens.QueensOf(6).begin()->first, first);
    handler.SetParent(second, 0);
    EXPECT_EQ(queens.DaughtersOf(mother), (std::vector<std::int32_t> { first }));
    EXPECT_EQ(Stored(u"SELECT id_family FROM queen_bee WHERE id_queen_bee=2"), u"6");
    EXPECT_EQ(events.calls, 5);
}

TEST_F(QueenHandlerTest, DeletingAQueenOrphansHerDaughtersInTheFileAndTheStore)
{
    const std::int32_t mother = Add(u"Bella", 5);
    const std::int32_t daughter = Add(u"Flora", 5, mother);
    Counter events;
    handler.Delete(mother);
    EXPECT_EQ(events.calls, 1);

    EXPECT_EQ(queens.FindQueenBee(mother), nullptr);
    EXPECT_EQ(queens.FindQueenBee(daughter)->id_parent_queen_bee, 0);
    EXPECT_TRUE(queens.DaughtersOf(mother).empty());
    EXPECT_EQ(queens.QueensOf(5).size(), 1u);
    EXPECT_EQ(Stored(u"SELECT id_parent_queen_bee FROM queen_bee WHERE id_queen_bee=2"), u"0");
    EXPECT_EQ(Stored(u"SELECT COUNT(*) FROM queen_bee"), u"1");
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(QueenHandlerTest, DeletingKeyZeroRemovesNoQueen)
{
    const std::int32_t free = Add(u"Bella", 0);
    Counter events;
    // The queens' table reads key 0 as every queen.
    handler.Delete(0);
    EXPECT_EQ(events.calls, 0);
    EXPECT_NE(queens.FindQueenBee(free), nullptr);
    EXPECT_EQ(Stored(u"SELECT COUNT(*) FROM queen_bee"), u"1");
}

TEST_F(QueenHandlerTest, RefusedChangeLeavesTheStoreAlone)
{
    const std::int32_t queen = Add(u"Bella", 5);
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, u"DROP TABLE queen_bee");
    }
    Counter events;
    handler.SetFamily(queen, 9);
    handler.Delete(queen);
    EXPECT_EQ(Add(u"Flora", 5), 0);
    EXPECT_EQ(events.calls, 0);
    ASSERT_NE(queens.FindQueenBee(queen), nullptr);
    EXPECT_EQ(queens.FindQueenBee(queen)->id_family, 5);
    // Each refusal is told once, in the user's language, not with the file's own words.
    ASSERT_EQ(boxes.Calls().size(), 3u);
    ASSERT_FALSE(Tr(StringId::ChangeNotSaved).empty());
    for (const auto& box : boxes.Calls())
        EXPECT_EQ(box.text.rfind(Tr(StringId::ChangeNotSaved), 0), 0u);
}

TEST_F(QueenHandlerTest, AJournalHeldForReadingTakesNoQueenChange)
{
    const std::int32_t queen = Add(u"Bella", 5);
    GetDatabaseManager()->HoldForReading(true);
    Counter events;
    EXPECT_EQ(Add(u"Flora", 5), 0);
    CQueenBeeCache::QueenBee renamed = *queens.FindQueenBee(queen);
    renamed.name = u"Bianca";
    EXPECT_FALSE(handler.Change(renamed));
    handler.SetFamily(queen, 9);
    handler.Delete(queen);
    GetDatabaseManager()->HoldForReading(false);

    EXPECT_EQ(events.calls, 0);
    ASSERT_EQ(boxes.Calls().size(), 4u);
    for (const auto& box : boxes.Calls())
        EXPECT_EQ(box.text, Tr(StringId::JournalHeldForReading));
    EXPECT_EQ(Stored(u"SELECT name || ' ' || id_family FROM queen_bee"), u"Bella 5");
    EXPECT_EQ(Stored(u"SELECT COUNT(*) FROM queen_bee"), u"1");
}

TEST_F(QueenHandlerTest, QueenOfAColonyNotInTheJournalIsNotStored)
{
    Counter events;
    EXPECT_EQ(Add(u"Bella", 8), 0);
    EXPECT_EQ(events.calls, 0);
    EXPECT_TRUE(queens.QueensOf(8).empty());
    EXPECT_EQ(Stored(u"SELECT COUNT(*) FROM queen_bee"), u"0");
    EXPECT_NE(Add(u"Flora", 0), 0);
}

TEST_F(QueenHandlerTest, ForgettingAColonyReleasesItsQueensButColonyZeroStaysAsItIs)
{
    const std::int32_t free = Add(u"Bella", 0);
    const std::int32_t kept = Add(u"Flora", 5);
    const std::int32_t released = Add(u"Greta", 7);

    Counter events;
    handler.ForgetColony(0);
    EXPECT_EQ(events.calls, 0);
    EXPECT_EQ(queens.QueensOf(0).size(), 1u);
    EXPECT_EQ(queens.QueensOf(0).begin()->first, free);

    handler.ForgetColony(7);
    EXPECT_EQ(events.calls, 1);
    EXPECT_TRUE(queens.QueensOf(7).empty());
    EXPECT_EQ(queens.FindQueenBee(released)->id_family, 0);
    EXPECT_EQ(queens.QueensOf(0).size(), 2u);
    EXPECT_EQ(queens.FindQueenBee(kept)->id_family, 5);
}
