#include "FileConnection.h"

#include <sqlite3.h>

CFileConnection::CFileConnection(const std::filesystem::path& file, int flags)
{
    if (sqlite3_open_v2(file.c_str(), &m_handle, flags, nullptr) == SQLITE_OK)
        sqlite3_busy_timeout(m_handle, 5000);
}

CFileConnection::~CFileConnection()
{
    sqlite3_close(m_handle);
}

bool CFileConnection::IsOpen() const
{
    return m_handle && sqlite3_errcode(m_handle) == SQLITE_OK;
}
