#pragma once

#include "IDatabase.h"

#include <cstdint>
#include <utility>

struct sqlite3;
struct CBaseError;
struct CSQLiteError;

class CDatabase : public IDatabase
{
public:
    explicit CDatabase(std::u16string path);
    ~CDatabase() override;

    void Release() override;
    void ExecRequest(RowList& rows, const std::u16string& text) override;
    void ReadRequest(const std::u16string& text, IRowReader& reader) override;
    bool HasTable(const std::u16string& name) override;
    void BeginTransaction(const std::u16string& name) override;
    void EndTransaction(const std::u16string& name) override;
    bool IsOpen() override;
    void Open() override;
    std::u16string GetPath() override;
    bool HasError() override;
    DatabaseFailure GetFailure() override;
    void HoldReports(bool hold) override;
    bool ChangedOutside() override;

    static std::u16string ErrorText(const CBaseError& error);

private:
    void Fail(const CSQLiteError& error);
    // Ends what SQLite still holds of a failed transaction, without a report of its own.
    void RollBackQuietly();
    std::int64_t DataVersion();
    // Device and inode of the file at the path; zeros when there is none.
    std::pair<std::uint64_t, std::uint64_t> FileIdentity() const;

    std::u16string m_path;
    sqlite3* m_handle = nullptr;
    bool m_open = false;
    bool m_error = false;
    bool m_held = false;
    DatabaseFailure m_failure;
    std::u16string m_failureBox;
    // Named transactions nest as savepoints inside the outermost one.
    int m_transactionDepth = 0;
    bool m_transactionFailed = false;
    // What the connection last saw of the file, to notice another program's changes.
    std::int64_t m_dataVersion = 0;
    std::pair<std::uint64_t, std::uint64_t> m_identity;
};
