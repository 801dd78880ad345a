#include "AtomicFile.h"

#include <cstdio>
#include <unistd.h>

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content)
{
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size()
        && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (!written || !closed) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, target, error);
    if (error)
        std::filesystem::remove(temporary, error);
    return !error;
}
