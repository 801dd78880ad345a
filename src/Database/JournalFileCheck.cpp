#include "JournalFileCheck.h"

#include "IDatabase.h"
#include "SystemAccess.h"
#include "Text.h"

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {
constexpr std::size_t kHeaderSize = 100;

std::uint32_t BigEndian(const std::array<unsigned char, kHeaderSize>& header, std::size_t at, std::size_t bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        value = (value << 8) | header[at + i];
    return value;
}

// Whether the header's own size (pages times page size) fits in the file; a copy cut short
// would otherwise open and fail statement by statement.
bool HeaderFitsFile(const std::filesystem::path& path, std::uintmax_t fileSize)
{
    std::array<unsigned char, kHeaderSize> header {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(header.data()), header.size()))
        return false;
    const std::uint32_t pageSizeField = BigEndian(header, 16, 2);
    const std::uintmax_t pageSize = pageSizeField == 1 ? 65536 : pageSizeField;
    // The page count in the header is valid only when its version matches the change counter.
    const bool countValid = BigEndian(header, 92, 4) == BigEndian(header, 24, 4);
    const std::uintmax_t pages = BigEndian(header, 28, 4);
    if (pageSize < 512 || !countValid || pages == 0)
        return true;
    return fileSize >= pages * pageSize;
}

struct Connection
{
    ~Connection() { sqlite3_close(handle); }
    sqlite3* handle = nullptr;
};

int Exec(sqlite3* handle, const char16_t* text)
{
    sqlite3_stmt* statement = nullptr;
    int result = sqlite3_prepare16_v2(handle, text, -1, &statement, nullptr);
    if (result == SQLITE_OK && statement) {
        do
            result = sqlite3_step(statement);
        while (result == SQLITE_ROW);
        if (result == SQLITE_DONE)
            result = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return result;
}
}

JournalFileState CheckJournalFile(const std::u16string& path)
{
    const std::filesystem::path file = ToPath(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    const std::filesystem::path folder = std::filesystem::absolute(file, error).parent_path();
    if (std::filesystem::is_directory(status))
        return JournalFileState::Folder;
    if (!std::filesystem::exists(status))
        return IsWritable(folder) ? JournalFileState::Usable : JournalFileState::ReadOnly;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return JournalFileState::NotADatabase;
    if (!IsWritable(file) || !IsWritable(folder))
        return JournalFileState::ReadOnly;
    if (size == 0)
        return JournalFileState::Usable;
    if (size < kHeaderSize)
        return JournalFileState::NotADatabase;

    Connection connection;
    if (sqlite3_open16(path.c_str(), &connection.handle) != SQLITE_OK)
        return JournalFileState::NotADatabase;
    sqlite3_busy_timeout(connection.handle, kBusyTimeoutMs);
    const int schema = Exec(connection.handle, u"SELECT COUNT(*) FROM sqlite_master");
    if (schema == SQLITE_NOTADB)
        return JournalFileState::NotADatabase;
    if (schema == SQLITE_BUSY)
        return JournalFileState::Locked;
    if (schema != SQLITE_OK || !HeaderFitsFile(file, size))
        return JournalFileState::Damaged;
    const int lock = Exec(connection.handle, u"BEGIN IMMEDIATE");
    if (lock == SQLITE_BUSY)
        return JournalFileState::Locked;
    if (lock != SQLITE_OK)
        return JournalFileState::ReadOnly;
    Exec(connection.handle, u"ROLLBACK");
    return JournalFileState::Usable;
}
