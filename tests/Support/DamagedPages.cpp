#include "DamagedPages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

void OverwritePages(const std::filesystem::path& file, int first, int count)
{
    std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
    unsigned char size[2] {};
    stream.seekg(16);
    stream.read(reinterpret_cast<char*>(size), 2);
    const std::streamoff pageSize = size[0] << 8 | size[1];
    ASSERT_TRUE(stream && pageSize >= 512) << file;
    ASSERT_GE(static_cast<std::streamoff>(std::filesystem::file_size(file)), (first - 1 + count) * pageSize) << file;
    const std::string pattern(static_cast<std::size_t>(pageSize * count), '\x5a');
    stream.seekp((first - 1) * pageSize);
    stream.write(pattern.data(), static_cast<std::streamsize>(pattern.size()));
    ASSERT_TRUE(stream.flush()) << file;
}
