#include "BaseError.h"
#include "Database.h"
#include "DatabaseManager.h"
#include "MessageBox.h"
#include "Request.h"
#include "StorageErrorBoxes.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

namespace {
RowList Exec(IDatabase* database, const std::u16string& text)
{
    RowList rows;
    database->ExecRequest(rows, text);
    return rows;
}

class DatabaseTest : public testing::Test
{
protected:
    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    CDatabaseLease db;
};
}

TEST_F(DatabaseTest, SelectsRowsAsTextWithNullAsEmpty)
{
    Exec(db.get(), u"CREATE TABLE t(a INTEGER, b TEXT)");
    EXPECT_TRUE(Exec(db.get(), u"SELECT * FROM t").empty());
    EXPECT_FALSE(db->HasError());
    Exec(db.get(), u"INSERT INTO t VALUES(5, NULL)");
    const RowList rows = Exec(db.get(), u"SELECT a, b FROM t");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (RowData { { u"a", u"5" }, { u"b", u"" } }));

    const RowList max = Exec(db.get(), u"SELECT MAX(a) as a FROM t WHERE a > 10");
    ASSERT_EQ(max.size(), 1u);
    EXPECT_EQ(max[0], (RowData { { u"a", u"" } }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(DatabaseTest, FailingStatementShowsTheErrorBoxAndSetsTheFlag)
{
    Exec(db.get(), u"SELECT * FROM foo");
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
        u"Error: no such table: foo\nFile: .\\Database\\Database\nFunction: CDatabase::ExecRequest\nLine:45");
    EXPECT_EQ(boxes.Calls()[0].type, MB_OK);

    Exec(db.get(), u"SELECT 1");
    EXPECT_FALSE(db->HasError());
}

TEST_F(DatabaseTest, StepFailureReportsLine48AndKeepsRowsReadSoFar)
{
    Exec(db.get(), u"CREATE TABLE t(a INTEGER NOT NULL)");
    EXPECT_FALSE(db->HasError());
    Exec(db.get(), u"INSERT INTO t VALUES(NULL)");
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(u"\nLine:48"), std::u16string::npos);

    // abs() of the smallest integer overflows only when the second row is computed.
    Exec(db.get(), u"CREATE TABLE n(v INTEGER)");
    Exec(db.get(), u"INSERT INTO n VALUES(1)");
    Exec(db.get(), u"INSERT INTO n VALUES(-9223372036854775808)");
    const RowList rows = Exec(db.get(), u"SELECT abs(v) AS v FROM n ORDER BY rowid");
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"1");
    EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST_F(DatabaseTest, RunsOnlyTheFirstOfTwoStatements)
{
    Exec(db.get(), u"CREATE TABLE t(a); CREATE TABLE u(b);");
    EXPECT_TRUE(db->HasTable(u"t"));
    EXPECT_FALSE(db->HasTable(u"u"));
    EXPECT_FALSE(db->HasTable(u"T"));
}

TEST_F(DatabaseTest, BoundTextsThatSQLiteCannotHoldStayInsideTheirLiteral)
{
    Exec(db.get(), u"CREATE TABLE t(k INTEGER, name TEXT)");
    Exec(db.get(), u"INSERT INTO t VALUES(1, 'one')");
    Exec(db.get(), u"INSERT INTO t VALUES(2, 'two')");
    const auto rename = [&](std::int32_t key, const std::u16string& name) {
        CRequest request(u"UPDATE t SET name=? WHERE k=?");
        request.BindText(0, name);
        request.BindInt(1, key);
        Exec(db.get(), request.Build());
    };
    // A lone surrogate would swallow the apostrophe after it and comment out the key.
    rename(1, u"\xD800'--");
    const std::u16string nul(u"a\0b", 3);
    rename(2, nul + u"\xFFFF\xD83D\xDC1D");
    EXPECT_EQ(Exec(db.get(), u"SELECT k, name FROM t ORDER BY k"),
        (RowList { { { u"k", u"1" }, { u"name", u"\xFFFD'--" } },
            { { u"k", u"2" }, { u"name", u"a\xFFFD" u"b\xFFFD\xD83D\xDC1D" } } }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(DatabaseTest, CommittedTransactionKeepsItsRows)
{
    Exec(db.get(), u"CREATE TABLE t(a)");
    db->BeginTransaction(u"Add Family");
    Exec(db.get(), u"INSERT INTO t VALUES(1)");
    db->EndTransaction(u"Add Family");
    EXPECT_FALSE(db->HasError());
    EXPECT_EQ(Exec(db.get(), u"SELECT * FROM t").size(), 1u);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(DatabaseTest, FailedStatementRollsTheWholeTransactionBack)
{
    Exec(db.get(), u"CREATE TABLE t(a)");
    db->BeginTransaction(u"Add Family");
    Exec(db.get(), u"INSERT INTO t VALUES(1)");
    Exec(db.get(), u"INSERT INTO missing VALUES(1)");
    EXPECT_TRUE(boxes.Calls().empty());
    // The rest of a failed transaction is refused, not run.
    Exec(db.get(), u"INSERT INTO t VALUES(2)");
    EXPECT_TRUE(db->HasError());
    db->EndTransaction(u"Add Family");
    EXPECT_TRUE(db->HasError());
    EXPECT_TRUE(Exec(db.get(), u"SELECT * FROM t").empty());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
        u"Error: no such table: missing\nFile: .\\Database\\Database\nFunction: CDatabase::ExecRequest\nLine:45");

    // The connection is usable again afterwards.
    db->BeginTransaction(u"Next");
    Exec(db.get(), u"INSERT INTO t VALUES(3)");
    db->EndTransaction(u"Next");
    EXPECT_FALSE(db->HasError());
    EXPECT_EQ(Exec(db.get(), u"SELECT * FROM t").size(), 1u);
}

TEST_F(DatabaseTest, FullDiskInsideATransactionCommitsNothingOfIt)
{
    Exec(db.get(), u"CREATE TABLE t(a)");
    Exec(db.get(), u"INSERT INTO t VALUES('kept')");
    const std::u16string pages = Exec(db.get(), u"PRAGMA page_count")[0][0].second;
    Exec(db.get(), u"PRAGMA max_page_count=" + pages);
    db->HoldReports(true);
    db->BeginTransaction(u"Add Inspect");
    Exec(db.get(), u"INSERT INTO t VALUES('a')");
    // Too big for the pages there are: SQLite rolls the transaction back by itself.
    Exec(db.get(), u"INSERT INTO t VALUES(zeroblob(100000))");
    Exec(db.get(), u"INSERT INTO t VALUES('b')");
    db->EndTransaction(u"Add Inspect");
    EXPECT_TRUE(db->HasError());
    EXPECT_EQ(db->GetFailure().kind, FailureKind::DiskFull);
    EXPECT_EQ(db->GetFailure().message, u"database or disk is full");
    EXPECT_TRUE(boxes.Calls().empty());
    db->HoldReports(false);
    EXPECT_EQ(Exec(db.get(), u"SELECT a FROM t"), (RowList { { { u"a", u"kept" } } }));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(DatabaseTest, HeldReportsKeepTheFirstFailureOfStatementsWithoutATransaction)
{
    db->HoldReports(true);
    Exec(db.get(), u"SELECT * FROM missing");
    Exec(db.get(), u"SELECT 1");
    EXPECT_FALSE(db->HasError());
    EXPECT_EQ(db->GetFailure().kind, FailureKind::Other);
    EXPECT_EQ(db->GetFailure().message, u"no such table: missing");
    db->HoldReports(false);
    EXPECT_EQ(db->GetFailure().kind, FailureKind::None);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(DatabaseTest, NoticesOnceWhatAnotherProgramCommitted)
{
    Exec(db.get(), u"CREATE TABLE t(a)");
    EXPECT_FALSE(db->ChangedOutside());
    Exec(db.get(), u"INSERT INTO t VALUES(1)");
    EXPECT_FALSE(db->ChangedOutside());

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open("Journal.db", &other), SQLITE_OK);
    sqlite3_exec(other, "INSERT INTO t VALUES(2)", nullptr, nullptr, nullptr);
    EXPECT_TRUE(db->ChangedOutside());
    EXPECT_FALSE(db->ChangedOutside());
    sqlite3_close(other);

    // A file put in its place, as a sync tool does it, is opened anew.
    ASSERT_EQ(sqlite3_open("Replacement.db", &other), SQLITE_OK);
    sqlite3_exec(other, "CREATE TABLE t(a); INSERT INTO t VALUES(7);", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    std::filesystem::rename("Replacement.db", "Journal.db");
    EXPECT_TRUE(db->ChangedOutside());
    EXPECT_EQ(Exec(db.get(), u"SELECT a FROM t"), (RowList { { { u"a", u"7" } } }));
    EXPECT_FALSE(db->ChangedOutside());
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(DatabaseTest, InnerTransactionNestsWithoutEndingTheOuterOne)
{
    Exec(db.get(), u"CREATE TABLE t(a)");
    db->BeginTransaction(u"Outer");
    db->BeginTransaction(u"SET_HOUSING");
    EXPECT_FALSE(db->HasError());
    Exec(db.get(), u"INSERT INTO t VALUES(1)");
    db->EndTransaction(u"SET_HOUSING");
    EXPECT_FALSE(db->HasError());
    Exec(db.get(), u"INSERT INTO missing VALUES(1)");
    db->EndTransaction(u"Outer");
    EXPECT_TRUE(db->HasError());
    EXPECT_TRUE(Exec(db.get(), u"SELECT * FROM t").empty());
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(DatabaseTest, EndWithoutBeginShowsAnError)
{
    db->EndTransaction(u"Nothing");
    EXPECT_TRUE(db->HasError());
    ASSERT_EQ(boxes.Calls().size(), 1u);
}

TEST(DatabaseManagerTest, CountsUsesPerPath)
{
    TempWorkDir dir;
    IDatabaseManager* manager = GetDatabaseManager();
    IDatabase* first = manager->OpenDatabase(u"Journal.db");
    IDatabase* second = manager->OpenDatabase(u"Journal.db");
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first->IsOpen());
    RowList rows;
    first->ExecRequest(rows, u"CREATE TABLE t(a)");
    manager->CloseDatabase(second);
    // Still the same connection: a fresh one opened now would be a different object.
    IDatabase* third = manager->OpenDatabase(u"Journal.db");
    EXPECT_EQ(third, first);
    manager->CloseDatabase(third);
    manager->CloseDatabase(first);
    IDatabase* reopened = manager->OpenDatabase(u"Journal.db");
    EXPECT_TRUE(reopened->HasTable(u"t"));
    manager->CloseDatabase(reopened);
    CDatabase stranger(u"Other.db");
    manager->CloseDatabase(&stranger);
}

TEST(DatabaseManagerTest, FileThatCannotBeOpenedShowsSQLiteMessageThenErrorsPerStatement)
{
    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    IDatabase* db = GetDatabaseManager()->OpenDatabase(u"missing-folder/Journal.db");
    EXPECT_FALSE(db->IsOpen());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, u"unable to open database file");
    RowList rows;
    db->ExecRequest(rows, u"SELECT 1");
    EXPECT_TRUE(db->HasError());
    EXPECT_EQ(boxes.Calls().size(), 2u);
    GetDatabaseManager()->CloseDatabase(db);
}

TEST(DatabaseEncodingTest, ANewJournalIsUtf16AndAUtf8OneStaysAsItIs)
{
    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    {
        CDatabaseLease fresh(u"Новый.db");
        Exec(fresh.get(), u"CREATE TABLE t(a TEXT)");
        Exec(fresh.get(), u"INSERT INTO t VALUES('пасека 🐝')");
        EXPECT_EQ(Exec(fresh.get(), u"PRAGMA encoding")[0][0].second, u"UTF-16le");
    }
    sqlite3* handle = nullptr;
    sqlite3_open("Other.db", &handle);
    sqlite3_exec(handle, "CREATE TABLE t(a TEXT); INSERT INTO t VALUES('пасека 🐝');", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
    CDatabaseLease other(u"Other.db");
    EXPECT_EQ(Exec(other.get(), u"PRAGMA encoding")[0][0].second, u"UTF-8");
    EXPECT_EQ(Exec(other.get(), u"SELECT a FROM t")[0][0].second, u"пасека 🐝");
    CDatabaseLease again(u"Новый.db");
    EXPECT_EQ(Exec(again.get(), u"SELECT a FROM t")[0][0].second, u"пасека 🐝");
    EXPECT_TRUE(boxes.Calls().empty());
}
