#pragma once

#include "Base.h"

#include <string>
#include <utility>
#include <vector>

// One result row: (column name, value text) pairs in the statement's column order; NULL is empty.
using RowData = std::vector<std::pair<std::u16string, std::u16string>>;
using RowList = std::vector<RowData>;

// How long a connection waits for another program's lock before a statement fails.
inline constexpr int kBusyTimeoutMs = 5000;

// One connection to one SQLite file. Failures are shown to the user and remembered in HasError;
// they never leave as exceptions.
class IDatabase : public IBase
{
public:
    virtual void ExecRequest(RowList& rows, const std::u16string& text) = 0;
    virtual bool HasTable(const std::u16string& name) = 0;
    virtual void BeginTransaction(const std::u16string& name) = 0;
    // Commits; when a statement inside the transaction failed it rolls back instead and HasError
    // is true afterwards.
    virtual void EndTransaction(const std::u16string& name) = 0;
    virtual bool IsOpen() = 0;
    virtual void Open() = 0;
    virtual std::u16string GetPath() = 0;
    virtual bool HasError() = 0;
};
