#include "SignalSafeFile.h"

#include <fcntl.h>
#include <unistd.h>

CSignalSafeFile::CSignalSafeFile(const char* path)
    : m_file(open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644))
{
}

CSignalSafeFile::~CSignalSafeFile()
{
    if (m_file >= 0)
        close(m_file);
}

void CSignalSafeFile::Write(const char* text, std::size_t length) const
{
    while (m_file >= 0 && length > 0) {
        const ssize_t written = write(m_file, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}
