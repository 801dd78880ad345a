#include "WinterLosses.h"

#include "Calendar.h"
#include "ColonyEventCache.h"
#include "DatabaseManager.h"
#include "JournalStores.h"
#include "LoseColonyOperation.h"
#include "MessageBox.h"
#include "MoveColonyOperation.h"
#include "SchemaMigrations.h"
#include "SplitColonyOperation.h"
#include "TempWorkDir.h"
#include "UndoColonyEventOperation.h"
#include "UniteColoniesOperation.h"

#include <gtest/gtest.h>

namespace {
// Sites North (1) and South (2); colonies 1 to 4 at North and 5 at South, each with a record of
// 10.06.2022, so all are alive from the autumn of 2022.
class WinterLossesTest : public testing::Test
{
protected:
    WinterLossesTest()
    {
        GetDatabaseManager()->Initialize();
        SchemaMigrations::Migrate(database.get());
        Exec(u"INSERT INTO points(name) VALUES('North'), ('South')");
        Exec(u"INSERT INTO families(name, id_point, type) VALUES('A', 1, 0), ('B', 1, 0), ('C', 1, 0), ('D', 1, 0), "
             u"('E', 2, 0)");
        for (int colony = 1; colony <= 5; ++colony) {
            Exec(u"INSERT INTO journal VALUES(NULL, " + std::u16string(1, static_cast<char16_t>(u'0' + colony))
                + u", '10.06.2022 00:00:00', 7, 5, 0, 0, 0, 0, 0, 0, NULL, NULL)");
        }
        Reload();
    }

    void Exec(const std::u16string& sql)
    {
        RowList rows;
        database->ExecRequest(rows, sql);
        ASSERT_FALSE(database->HasError()) << std::string(sql.begin(), sql.end());
    }

    // Runs the operation in one transaction as the handlers do, then brings the stores up to date.
    template <class Operation>
    std::int32_t Run(Operation& operation)
    {
        database->BeginTransaction(u"Event");
        operation.Execute(database.get());
        database->EndTransaction(u"Event");
        Reload();
        return operation.record.id_event;
    }

    std::int32_t Lose(std::int32_t idFamily, const char16_t* day, LossCause cause)
    {
        CLoseColonyOperation loss;
        loss.record.id_family = idFamily;
        loss.record.date = ParseDateText(day);
        loss.record.cause = cause;
        return Run(loss);
    }

    void Reload() { LoadJournalStores(database.get()); }

    static std::int64_t Day(const char16_t* day) { return ParseDateText(day); }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    CDatabaseLease database;
};
}

TEST_F(WinterLossesTest, AWinterRunsFromTheFirstOfOctoberToTheEndOfApril)
{
    EXPECT_EQ(WinterStart(2023), Day(u"01.10.2023"));
    EXPECT_EQ(WinterEnd(2023), Day(u"01.05.2024") - 1);
    // Lost on the winter's first day and on its last: both count; the day after its end does not.
    ASSERT_NE(Lose(1, u"01.10.2022", LossCause::Varroa), 0);
    ASSERT_NE(Lose(2, u"30.04.2023", LossCause::Starvation), 0);
    ASSERT_NE(Lose(3, u"01.05.2023", LossCause::Varroa), 0);
    const std::vector<WinterLoss> winters = WinterLosses(1, Day(u"15.03.2024"));
    ASSERT_EQ(winters.size(), 2u);
    EXPECT_EQ(winters[0].year, 2022);
    EXPECT_EQ(winters[0].alive, 4);
    EXPECT_EQ(winters[0].lost, 2);
    EXPECT_DOUBLE_EQ(winters[0].Percent(), 50.0);
    EXPECT_EQ(winters[0].causes, (std::map<LossCause, int> { { LossCause::Starvation, 1 }, { LossCause::Varroa, 1 } }));
    // The next autumn only the colony never lost is left at North.
    EXPECT_EQ(winters[1].year, 2023);
    EXPECT_EQ(winters[1].alive, 1);
    EXPECT_EQ(winters[1].lost, 0);
    // A winter that has not begun yet is not listed.
    EXPECT_EQ(WinterLosses(1, Day(u"30.09.2023")).size(), 1u);
    EXPECT_TRUE(WinterLosses(1, Day(u"30.09.2022")).empty());
}

TEST_F(WinterLossesTest, ColoniesMadeOrUnitedOverWinterAndMovesCountWhereTheyStoodInAutumn)
{
    CSplitColonyOperation split;
    split.record.id_family = 1;
    split.record.date = Day(u"15.11.2022");
    split.record.name = u"Late split";
    split.record.id_point = 1;
    ASSERT_NE(Run(split), 0);
    ASSERT_NE(Lose(split.record.id_daughter, u"01.02.2023", LossCause::Starvation), 0);
    CUniteColoniesOperation unite;
    unite.record.id_family = 2;
    unite.record.id_other_family = 3;
    unite.record.date = Day(u"20.10.2022");
    ASSERT_NE(Run(unite), 0);
    // Moved to South in winter and lost there: North's autumn colony, North's loss.
    CMoveColonyOperation move;
    move.record.id_family = 4;
    move.record.id_point = 2;
    move.record.date = Day(u"01.12.2022");
    ASSERT_NE(Run(move), 0);
    ASSERT_NE(Lose(4, u"10.03.2023", LossCause::QueenFailure), 0);

    const std::vector<WinterLoss> north = WinterLosses(1, Day(u"01.04.2023"));
    ASSERT_EQ(north.size(), 1u);
    // A to D were alive on 1 October; the split made in November is not counted, nor its loss;
    // C was united into B, which is no loss.
    EXPECT_EQ(north[0].alive, 4);
    EXPECT_EQ(north[0].lost, 1);
    EXPECT_EQ(north[0].causes, (std::map<LossCause, int> { { LossCause::QueenFailure, 1 } }));
    const std::vector<WinterLoss> south = WinterLosses(2, Day(u"01.04.2023"));
    ASSERT_EQ(south.size(), 1u);
    EXPECT_EQ(south[0].alive, 1);
    EXPECT_EQ(south[0].lost, 0);
    const std::vector<WinterLoss> all = WinterLosses(0, Day(u"01.04.2023"));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].alive, 5);
    EXPECT_EQ(all[0].lost, 1);
    EXPECT_DOUBLE_EQ(all[0].Percent(), 20.0);
}

TEST_F(WinterLossesTest, ALossThatWasUndoneIsNoLoss)
{
    const std::int32_t loss = Lose(5, u"05.01.2023", LossCause::Robbing);
    ASSERT_NE(loss, 0);
    ASSERT_EQ(WinterLosses(2, Day(u"01.04.2023")).at(0).lost, 1);
    CUndoColonyEventOperation undo;
    undo.record.id_event = loss;
    database->BeginTransaction(u"Undo");
    undo.Delete(database.get());
    database->EndTransaction(u"Undo");
    ASSERT_EQ(undo.record.refusal, EventRefusal::None);
    Reload();
    const std::vector<WinterLoss> winters = WinterLosses(2, Day(u"01.04.2023"));
    ASSERT_EQ(winters.size(), 1u);
    EXPECT_EQ(winters[0].alive, 1);
    EXPECT_EQ(winters[0].lost, 0);
    EXPECT_TRUE(winters[0].causes.empty());
}
