#include "Database.h"

#include "BaseError.h"
#include "StorageErrors.h"
#include "Text.h"

#include <sqlite3.h>

#include <sys/stat.h>

namespace {
// A text ends at its first NUL, as the program has always read it.
std::u16string_view TextOf(const void* utf16)
{
    return utf16 ? std::u16string_view(static_cast<const char16_t*>(utf16)) : std::u16string_view();
}

FailureKind KindOf(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL: return FailureKind::DiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return FailureKind::Locked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return FailureKind::Damaged;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return FailureKind::ReadOnly;
    default: return FailureKind::Other;
    }
}

std::u16string Quoted(const std::u16string& head, const std::u16string& name)
{
    return head + u"'" + name + u"';";
}

class CStatementRow : public IRow
{
public:
    explicit CStatementRow(sqlite3_stmt* statement)
        : m_statement(statement)
    {
    }

    int ColumnCount() const override { return sqlite3_column_count(m_statement); }
    std::u16string_view ColumnName(int column) const override
    {
        return TextOf(sqlite3_column_name16(m_statement, column));
    }
    std::u16string_view ColumnText(int column) const override
    {
        return TextOf(sqlite3_column_text16(m_statement, column));
    }
    std::optional<std::int64_t> ColumnInteger(int column) const override
    {
        if (sqlite3_column_type(m_statement, column) != SQLITE_INTEGER)
            return std::nullopt;
        return sqlite3_column_int64(m_statement, column);
    }
    std::optional<double> ColumnReal(int column) const override
    {
        if (sqlite3_column_type(m_statement, column) != SQLITE_FLOAT)
            return std::nullopt;
        return sqlite3_column_double(m_statement, column);
    }
    bool ColumnIsNull(int column) const override { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }

private:
    sqlite3_stmt* m_statement;
};

// Keeps every row, names and texts copied.
class CRowCollector : public IRowReader
{
public:
    explicit CRowCollector(RowList& rows)
        : m_rows(rows)
    {
    }

    void Read(const IRow& row) override
    {
        const int columns = row.ColumnCount();
        RowData data;
        data.reserve(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i)
            data.emplace_back(row.ColumnName(i), row.ColumnText(i));
        m_rows.push_back(std::move(data));
    }

private:
    RowList& m_rows;
};
}

CDatabase::CDatabase(std::u16string path)
    : m_path(std::move(path))
{
}

CDatabase::~CDatabase()
{
    if (m_handle)
        sqlite3_close(m_handle);
}

void CDatabase::Release()
{
    delete this;
}

std::u16string CDatabase::ErrorText(const CBaseError& error)
{
    return u"Error: " + error.message + u"\nFile: " + error.file + u"\nFunction: " + error.function + u"\nLine:"
        + IntToText(error.line);
}

void CDatabase::ExecRequest(RowList& rows, const std::u16string& text)
{
    rows.clear();
    CRowCollector collector(rows);
    ReadRequest(text, collector);
}

void CDatabase::ReadRequest(const std::u16string& text, IRowReader& reader)
{
    m_error = false;
    // A failed transaction is lost as a whole; what follows of it would run on its own.
    if (m_transactionFailed) {
        m_error = true;
        return;
    }
    sqlite3_stmt* statement = nullptr;
    try {
        const void* tail = nullptr;
        auto raise = [this](std::int32_t line) {
            CSQLiteError error;
            error.file = u".\\Database\\Database";
            error.function = u"CDatabase::ExecRequest";
            error.line = line;
            error.message = std::u16string(TextOf(sqlite3_errmsg16(m_handle)));
            error.code = m_handle ? sqlite3_extended_errcode(m_handle) : SQLITE_CANTOPEN;
            throw error;
        };
        if (!m_handle)
            raise(45);
        if (sqlite3_prepare16_v2(m_handle, text.data(), static_cast<int>(text.size() * 2), &statement, &tail)
            != SQLITE_OK)
            raise(45);
        int result = statement ? sqlite3_step(statement) : SQLITE_DONE;
        const CStatementRow row(statement);
        while (result == SQLITE_ROW) {
            if (sqlite3_column_count(statement) == 0)
                break;
            reader.Read(row);
            result = sqlite3_step(statement);
        }
        // A failure after some rows is reported like any other; the rows read so far stand.
        if (result != SQLITE_ROW && result != SQLITE_DONE)
            raise(48);
    } catch (const CSQLiteError& error) {
        Fail(error);
    }
    if (statement) {
        sqlite3_reset(statement);
        sqlite3_finalize(statement);
    }
}

void CDatabase::Fail(const CSQLiteError& error)
{
    m_error = true;
    const bool first = m_failure.kind == FailureKind::None || (!m_held && m_transactionDepth == 0);
    if (first)
        m_failure = DatabaseFailure { KindOf(error.code), error.message };
    if (m_transactionDepth > 0) {
        // The transaction's end reports its first failure, once.
        if (!m_transactionFailed)
            m_failureBox = ErrorText(error);
        m_transactionFailed = true;
        return;
    }
    if (!m_held)
        ReportStorageError(ErrorText(error));
}

void CDatabase::RollBackQuietly()
{
    // SQLite rolls a transaction back by itself after some failures (a full disk among them).
    if (m_handle && !sqlite3_get_autocommit(m_handle))
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool CDatabase::HasTable(const std::u16string& name)
{
    RowList rows;
    ExecRequest(rows, u"SELECT tbl_name FROM sqlite_master;");
    for (const RowData& row : rows) {
        if (!row.empty() && row.front().second == name)
            return true;
    }
    return false;
}

void CDatabase::BeginTransaction(const std::u16string& name)
{
    RowList rows;
    if (m_transactionDepth == 0) {
        if (!m_held)
            m_failure = DatabaseFailure();
        ExecRequest(rows, Quoted(u"BEGIN TRANSACTION ", name));
        if (m_error)
            return;
        m_transactionFailed = false;
    } else {
        // A savepoint that fails fails the transaction around it; its end still pairs with this.
        ExecRequest(rows, Quoted(u"SAVEPOINT ", name));
    }
    ++m_transactionDepth;
}

void CDatabase::EndTransaction(const std::u16string& name)
{
    RowList rows;
    if (m_transactionDepth > 1) {
        // The outermost transaction decides; a failure inside keeps it marked as failed.
        --m_transactionDepth;
        ExecRequest(rows, Quoted(u"RELEASE ", name));
        return;
    }
    if (m_transactionDepth == 0) {
        ExecRequest(rows, Quoted(u"END TRANSACTION ", name));
        return;
    }
    m_transactionDepth = 0;
    if (m_transactionFailed) {
        m_transactionFailed = false;
        RollBackQuietly();
        m_error = true;
        if (!m_held)
            ReportStorageError(m_failureBox);
        return;
    }
    ExecRequest(rows, Quoted(u"END TRANSACTION ", name));
    // A commit that could not be written leaves nothing of the transaction behind either.
    if (m_error)
        RollBackQuietly();
}

bool CDatabase::IsOpen()
{
    return m_open;
}

void CDatabase::Open()
{
    if (m_open)
        return;
    const std::string path = ToUtf8(m_path);
    struct stat file {};
    const bool fresh = stat(path.c_str(), &file) != 0 || file.st_size == 0;
    // One thread uses the connection, so SQLite's per-call mutex is left out.
    if (sqlite3_open_v2(path.c_str(), &m_handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK) {
        ReportStorageError(std::u16string(TextOf(sqlite3_errmsg16(m_handle))));
        return;
    }
    // A moment's lock by another program (a backup copying the file) is waited for, not reported.
    sqlite3_busy_timeout(m_handle, kBusyTimeoutMs);
    // A new journal keeps its texts in UTF-16, as journals always have.
    if (fresh)
        sqlite3_exec(m_handle, "PRAGMA encoding='UTF-16'", nullptr, nullptr, nullptr);
    m_open = true;
    m_dataVersion = DataVersion();
    m_identity = FileIdentity();
}

std::u16string CDatabase::GetPath()
{
    return m_path;
}

bool CDatabase::HasError()
{
    return m_error;
}

DatabaseFailure CDatabase::GetFailure()
{
    return m_failure;
}

void CDatabase::HoldReports(bool hold)
{
    m_held = hold;
    m_failure = DatabaseFailure();
}

std::int64_t CDatabase::DataVersion()
{
    sqlite3_stmt* statement = nullptr;
    std::int64_t version = 0;
    if (m_handle && sqlite3_prepare_v2(m_handle, "PRAGMA data_version", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        version = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return version;
}

std::pair<std::uint64_t, std::uint64_t> CDatabase::FileIdentity() const
{
    struct stat file {};
    if (stat(ToUtf8(m_path).c_str(), &file) != 0)
        return {};
    return { static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino) };
}

bool CDatabase::ChangedOutside()
{
    if (!m_open)
        return false;
    // A file that is gone is not made anew here.
    const auto identity = FileIdentity();
    if (m_transactionDepth == 0 && identity != decltype(identity)() && identity != m_identity) {
        sqlite3_close(m_handle);
        m_handle = nullptr;
        m_open = false;
        Open();
        return true;
    }
    const std::int64_t version = DataVersion();
    const bool changed = version != m_dataVersion;
    m_dataVersion = version;
    return changed;
}
