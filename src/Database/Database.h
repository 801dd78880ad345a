#pragma once

#include "IDatabase.h"

struct sqlite3;
struct CBaseError;

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

    static std::u16string ErrorText(const CBaseError& error);

private:
    std::u16string m_path;
    sqlite3* m_handle = nullptr;
    bool m_open = false;
    bool m_error = false;
    // Named transactions nest as savepoints inside the outermost one.
    int m_transactionDepth = 0;
    bool m_transactionFailed = false;
};
