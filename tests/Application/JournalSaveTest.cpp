#include "Calendar.h"
#include "DatabaseManager.h"
#include "FullDisk.h"
#include "JournalCache.h"
#include "JournalComponent.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "Registry.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "TimeZone.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {
// Every row of every table, in file order.
std::u16string Dump()
{
    CDatabaseLease database;
    RowList tables;
    database->ExecRequest(tables, u"SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
    std::u16string text;
    for (const RowData& table : tables) {
        RowList rows;
        database->ExecRequest(rows, u"SELECT * FROM " + table[0].second + u" ORDER BY rowid");
        text += table[0].second + u":";
        for (const RowData& row : rows) {
            for (const auto& [name, value] : row)
                text += value + u"|";
            text += u";";
        }
    }
    return text;
}

// What another program does to the file, through its own connection.
void Outside(const char* sql)
{
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open("Journal.db", &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
    sqlite3_close(other);
}

// A journal with a site, a colony and a record with two hive lines, in the language of the
// parameter; the file system's free space is the test's to set.
class JournalSaveTest : public testing::TestWithParam<const char16_t*>
{
protected:
    JournalSaveTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        WriteRegistryString(GetParam(), kMainSettingsKey, u"combo_lang");
        GetLanguageManager()->Initialize();
        GetDatabaseManager()->Initialize();
        journal.Create();
        PointData point;
        point.name = u"Meadow";
        site = journal.AddPoint(point);
        FamilyData family;
        family.id_point = site;
        family.name = u"North";
        colony = journal.AddFamily(family);
        InspectData visit = Visit(2);
        record = journal.AddInspect(visit);
    }
    ~JournalSaveTest() override { DeleteLanguageManager(); }

    InspectData Visit(int hives) const
    {
        InspectData inspect;
        inspect.record.id_family = colony;
        inspect.record.date = 1771891200;
        inspect.record.strength = 4;
        for (int i = 0; i < hives; ++i)
            inspect.record.hives.push_back({ 0, u"Hive " + IntToText(i), 5, 2, 1, 1, 0 });
        inspect.values[u"Weather"] = u"Sunny";
        return inspect;
    }

    // The record as the change form has it: the store's copy, with the user's edits.
    InspectData Shown(std::int32_t strength, int hives) const
    {
        InspectData inspect = Visit(hives);
        inspect.id_journal = record;
        inspect.record.strength = strength;
        return inspect;
    }

    bool Save(std::int32_t strength, int hives)
    {
        InspectData inspect = Shown(strength, hives);
        return journal.UpdateInspect(inspect);
    }

    static std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    // Runs the change with less and less room taken away: every way the disk can be full for it
    // must leave the file as it was and say so once. Returns how often it was refused.
    int FailEverywhere(const std::function<bool()>& change)
    {
        int refused = 0;
        for (std::int64_t room = 0;; room += 256) {
            const std::u16string before = Dump();
            const auto records = GetJournalCache()->Records();
            boxes.ClearCalls();
            disk.SetFree(room);
            const bool saved = change();
            disk.SetFree(FullDisk::kUnlimited);
            if (saved)
                return refused;
            ++refused;
            EXPECT_EQ(Dump(), before) << "with " << room << " bytes free";
            EXPECT_EQ(GetJournalCache()->Records(), records);
            EXPECT_EQ(boxes.Calls().size(), 1u) << "with " << room << " bytes free";
            if (!boxes.Calls().empty()) {
                EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ChangeNotSaved) + u"\n" + Text(StringId::NotSavedDiskFull));
                EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::MainWindowCaption));
            }
            if (room > 200000) {
                ADD_FAILURE() << "never saved";
                return refused;
            }
        }
    }

    std::int32_t Count(const std::u16string& sql)
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, sql);
        return WToI(rows.at(0).at(0).second);
    }

    TempWorkDir dir;
    RegistryRootOverride settings { FromPath(dir.Path() / "config") };
    // Before the journal: its connection must be opened on the shrinking disk.
    FullDisk disk;
    MessageBoxResponder boxes;
    CJournalComponent journal;
    std::int32_t site = 0;
    std::int32_t colony = 0;
    std::int32_t record = 0;
};
}

TEST_P(JournalSaveTest, AFullDiskAnywhereInAChangeLeavesTheFileAsItWasWithOneMessage)
{
    EXPECT_GT(FailEverywhere([&] {
        InspectData added = Visit(2);
        return journal.AddInspect(added) != 0;
    }),
        0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect WHERE id_journal=0"), 0);

    EXPECT_GT(FailEverywhere([&] {
        InspectData changed = Shown(7, 3);
        changed.values[u"Weather"] = u"Rain";
        changed.values[u"Wind"] = u"North";
        return journal.UpdateInspect(changed);
    }),
        0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect WHERE id_journal=" + IntToText(record)), 3);

    EXPECT_GT(FailEverywhere([&] { return journal.DeleteFamily(colony); }), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM journal"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM inspect"), 0);
}

TEST_P(JournalSaveTest, AnEditOfARecordAnotherProgramChangedIsReadAgainNotWrittenOver)
{
    Outside("UPDATE journal SET strength=9");
    EXPECT_FALSE(Save(5, 2));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ChangedOutside));
    EXPECT_EQ(GetJournalCache()->FindRecord(record)->strength, 9);
    EXPECT_EQ(Count(u"SELECT strength FROM journal"), 9);

    // Saved again, knowing: the user's version stands.
    EXPECT_TRUE(Save(5, 2));
    EXPECT_EQ(Count(u"SELECT strength FROM journal"), 5);

    // A change elsewhere is read in; the edit of this record goes through.
    Outside("UPDATE families SET name='South'");
    EXPECT_TRUE(Save(6, 2));
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(colony)->name, u"South");
    EXPECT_EQ(Count(u"SELECT strength FROM journal"), 6);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_P(JournalSaveTest, ASummerRecordReadAgainAfterAnOutsideChangeElsewhereIsStillAsShown)
{
    const TimeZone berlin("Europe/Berlin");
    InspectData summer = Visit(1);
    summer.record.date = LocalMidnight(2025, 7, 15);
    summer.id_journal = journal.AddInspect(summer);
    ASSERT_NE(summer.id_journal, 0);
    Outside("UPDATE families SET name='South'");
    summer.record.strength = 7;
    EXPECT_TRUE(journal.UpdateInspect(summer));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(GetJournalCache()->FindRecord(summer.id_journal)->date, LocalMidnight(2025, 7, 15));
    EXPECT_EQ(GetJournalCache()->FindRecord(summer.id_journal)->strength, 7);
}

TEST_P(JournalSaveTest, AnEditOfARecordAnotherProgramDeletedWritesNothing)
{
    Outside("DELETE FROM inspect; DELETE FROM journal;");
    const std::u16string before = Dump();
    EXPECT_FALSE(Save(5, 2));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::RemovedOutside));
    EXPECT_EQ(GetJournalCache()->FindRecord(record), nullptr);
    EXPECT_EQ(Dump(), before);

    EXPECT_FALSE(Save(5, 2));
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST_P(JournalSaveTest, AJournalFileReplacedByAnotherProgramIsReadBeforeAChange)
{
    std::filesystem::copy_file("Journal.db", "Synced.db");
    {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open("Synced.db", &other), SQLITE_OK);
        sqlite3_exec(other, "UPDATE points SET name='Orchard'", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
    std::filesystem::rename("Synced.db", "Journal.db");
    PointData point;
    point.id_point = site;
    point.name = u"Upper meadow";
    EXPECT_FALSE(journal.ChangePoint(point));
    EXPECT_EQ(GetPointFamilyCache()->FindPoint(site)->name, u"Orchard");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ChangedOutside));
}

INSTANTIATE_TEST_SUITE_P(Languages, JournalSaveTest, testing::Values(u"English", u"Русский"),
    [](const testing::TestParamInfo<const char16_t*>& info) { return info.index == 0 ? "English" : "Russian"; });
