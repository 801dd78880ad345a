#include "StackDump.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/mman.h>
#include <unistd.h>
#include <string>

namespace {
std::string Address(const void* p)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%08lx: ", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(p)));
    return text;
}

std::string Format(const std::uint32_t* first, const std::uint32_t* end)
{
    static char out[96 * 1024];
    const std::size_t length = FormatStackDump(first, end, out, sizeof out);
    return std::string(out, length);
}
}

TEST(StackDumpTest, FourWordsALineWithAddressAndBytePicture)
{
    // "Bees" and "hive" in little-endian words, then bytes below 32, 127 and above 127.
    alignas(16) std::uint32_t words[6] = { 0x73656542, 0x65766968, 0x7F1F2041, 0x80FF7A61, 0x00000031, 0xDEADBEEF };
    const std::string expected = "nStack\n" + Address(&words[0]) + "73656542 65766968 7f1f2041 80ff7a61 BeeshiveA ..az..\n"
        + Address(&words[4]) + "00000031 deadbeef " + std::string(18, ' ') + "1.......\n\n";
    EXPECT_EQ(Format(words, words + 6), expected);
}

TEST(StackDumpTest, EmptyRangeGivesOnlyTheHeading)
{
    std::uint32_t word = 0;
    EXPECT_EQ(Format(&word, &word), "nStack\n\n");
}

TEST(StackDumpTest, NeverCoversMoreThan12288Bytes)
{
    static std::uint32_t stack[5000];
    EXPECT_EQ(StackDumpEnd(stack, stack + 5000), stack + 3072);
    EXPECT_EQ(StackDumpEnd(stack, stack + 10), stack + 10);
    const std::string text = Format(stack, StackDumpEnd(stack, stack + 5000));
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_EQ(lines, 1u + 768u + 1u);
}

TEST(StackDumpTest, OutputIsCutAtTheBufferSize)
{
    std::uint32_t words[8] = {};
    char out[20];
    const std::size_t length = FormatStackDump(words, words + 8, out, sizeof out);
    EXPECT_EQ(length, sizeof out - 1);
    EXPECT_EQ(std::strlen(out), length);
}

TEST(StackDumpTest, FaultWhileReadingEndsTheFileWithANotice)
{
    const long page = sysconf(_SC_PAGESIZE);
    auto* memory = static_cast<char*>(mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(memory, MAP_FAILED);
    mprotect(memory + page, page, PROT_NONE);
    const auto* first = reinterpret_cast<const std::uint32_t*>(memory + page - 16);
    TempWorkDir dir;
    WriteStackDump("stack.txt", first, first + 1000);
    munmap(memory, 2 * page);

    std::ifstream file("stack.txt", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "nStack\n" + Address(first) + "00000000 00000000 00000000 00000000 ................\n"
        + Address(first + 4) + "Exception encountered during stack dump.\r\n");
}
