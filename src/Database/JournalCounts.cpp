#include "JournalCounts.h"

#include "FileConnection.h"

#include <sqlite3.h>

namespace {
// -1 when the table cannot be read.
std::int64_t CountRows(sqlite3* connection, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    const std::int64_t count = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return count;
}
}

JournalCounts CountJournal(const std::filesystem::path& file)
{
    // Read-only and without creating: a missing file stays missing.
    const CFileConnection connection(file, SQLITE_OPEN_READONLY);
    if (!connection.IsOpen())
        return {};
    const std::int64_t colonies = CountRows(connection.get(), "SELECT COUNT(*) FROM families");
    const std::int64_t records = CountRows(connection.get(), "SELECT COUNT(*) FROM journal");
    if (colonies < 0 || records < 0)
        return {};
    return { true, colonies, records };
}
