#pragma once

#include <filesystem>

struct sqlite3;

// A connection of its own to a journal file other than the program's open one (a backup, a copy
// being made), opened with the given SQLite flags and closed with the object. It waits up to five
// seconds for a lock held by another connection.
class CFileConnection
{
public:
    CFileConnection(const std::filesystem::path& file, int flags);
    ~CFileConnection();
    CFileConnection(const CFileConnection&) = delete;
    CFileConnection& operator=(const CFileConnection&) = delete;

    sqlite3* get() const { return m_handle; }
    bool IsOpen() const;

private:
    sqlite3* m_handle = nullptr;
};
