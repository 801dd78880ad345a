#include "SystemAccess.h"

#include <malloc.h>
#include <unistd.h>

bool IsWritable(const std::filesystem::path& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

void TrimFreedMemory()
{
    malloc_trim(0);
}
