#pragma once

#include "Base.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One result row: (column name, value text) pairs in the statement's column order; NULL is empty.
using RowData = std::vector<std::pair<std::u16string, std::u16string>>;
using RowList = std::vector<RowData>;

// How long a connection waits for another program's lock before a statement fails.
inline constexpr int kBusyTimeoutMs = 5000;

// The current row of a statement being stepped; what it gives is valid until the next row.
class IRow
{
public:
    virtual int ColumnCount() const = 0;
    virtual std::u16string_view ColumnName(int column) const = 0;
    // NULL reads as empty.
    virtual std::u16string_view ColumnText(int column) const = 0;
    // The value when the column holds an integer, read without making it a text; ask before
    // ColumnText.
    virtual std::optional<std::int64_t> ColumnInteger(int column) const = 0;
    // The value when the column holds a floating-point number.
    virtual std::optional<double> ColumnReal(int column) const = 0;
    // NULL, which ColumnText does not tell from an empty text.
    virtual bool ColumnIsNull(int column) const = 0;

protected:
    ~IRow() = default;
};

// Takes the rows of a statement one by one, as they are stepped.
class IRowReader
{
public:
    virtual void Read(const IRow& row) = 0;

protected:
    ~IRowReader() = default;
};

// Why a statement failed, as the user is told it.
enum class FailureKind
{
    None,
    DiskFull,
    Locked,
    Damaged,
    ReadOnly,
    Other,
};

struct DatabaseFailure
{
    FailureKind kind = FailureKind::None;
    // SQLite's own text.
    std::u16string message;
};

// One connection to one SQLite file. Failures are remembered in HasError and GetFailure and never
// leave as exceptions. A failing statement outside a transaction shows its error box; inside one
// it ends the transaction's work: later statements of it are refused, nothing of it is committed,
// and one box comes at its end. While reports are held no box is shown: the holder tells the user.
class IDatabase : public IBase
{
public:
    virtual void ExecRequest(RowList& rows, const std::u16string& text) = 0;
    // As ExecRequest, handing each row to the reader as it is stepped instead of keeping it. A
    // failure after some rows is reported like any other; the reader has had the rows before it.
    virtual void ReadRequest(const std::u16string& text, IRowReader& reader) = 0;
    virtual bool HasTable(const std::u16string& name) = 0;
    // Begins a named transaction; inside one it nests as a savepoint. The outermost one forgets the
    // last failure.
    virtual void BeginTransaction(const std::u16string& name) = 0;
    // Commits; when a statement inside the transaction failed, or the commit itself fails, it rolls
    // back instead and HasError is true afterwards.
    virtual void EndTransaction(const std::u16string& name) = 0;
    virtual bool IsOpen() = 0;
    virtual void Open() = 0;
    virtual std::u16string GetPath() = 0;
    virtual bool HasError() = 0;
    // The first failure since the outermost transaction or the hold of reports began, else the last.
    virtual DatabaseFailure GetFailure() = 0;
    // Holds or lets go of the error boxes; holding forgets the last failure.
    virtual void HoldReports(bool hold) = 0;
    // True once after another program changed the file since the open or the last call. A file put
    // in place of the open one (a sync tool replaces it) is opened anew, outside a transaction.
    virtual bool ChangedOutside() = 0;
};
