#pragma once

#include <cstddef>

// A file written with the system's own calls only, so that a crash handler can use it: no
// allocation, no locks, nothing buffered. Created (or emptied) when made, closed when it goes.
class CSignalSafeFile
{
public:
    explicit CSignalSafeFile(const char* path);
    ~CSignalSafeFile();
    CSignalSafeFile(const CSignalSafeFile&) = delete;
    CSignalSafeFile& operator=(const CSignalSafeFile&) = delete;

    bool IsOpen() const { return m_file >= 0; }
    // Writes all of the text unless the system refuses part of it.
    void Write(const char* text, std::size_t length) const;

private:
    int m_file = -1;
};
