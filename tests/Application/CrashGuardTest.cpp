#include "EntryPoint.h"
#include "MessageBox.h"
#include "TempWorkDir.h"
#include "UiTest.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {
void Fault()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

std::string ReadFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A working directory with the language files, so that the start shows no box of its own.
void CopyLanguages()
{
    std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
}

const char16_t kQuestion[] = u"Unhanded Exception. Do you want to go on work?";
}

TEST(CrashGuardTest, FaultInTheMessageLoopWritesTheDumpAndOkGoesOn)
{
    TempWorkDir dir;
    CopyLanguages();
    MessageBoxResponder boxes;
    boxes.Answer(IDOK);
    bool loopRanAgain = false;
    UiTest::RunFromLoop([] { Fault(); });
    UiTest::RunFromLoop(
        [&] {
            loopRanAgain = true;
            PostQuitMessage(0);
        },
        100);

    EXPECT_EQ(RunTolvik(), 0);

    EXPECT_TRUE(loopRanAgain);
    ASSERT_FALSE(boxes.Calls().empty());
    const auto& question = boxes.Calls().back();
    EXPECT_EQ(question.text, kQuestion);
    EXPECT_EQ(question.caption, u"Error");
    EXPECT_EQ(question.type, MB_OKCANCEL | MB_ICONERROR);

    const std::string dump = ReadFile("stack.txt");
    ASSERT_EQ(dump.rfind("nStack\n0x", 0), 0u) << dump.substr(0, 200);
    const std::string firstLine = dump.substr(7, dump.find('\n', 7) - 7);
    const std::size_t colon = firstLine.find(": ");
    ASSERT_NE(colon, std::string::npos);
    EXPECT_EQ(firstLine.size(), colon + 2 + 4 * 9 + 16);
    EXPECT_LE(dump.size(), 7u + 768u * (firstLine.size() + 1) + 1u);
    EXPECT_EQ(dump.substr(dump.size() - 2), "\n\n");
}

TEST(CrashGuardTest, CancelEndsTheProgram)
{
    TempWorkDir dir;
    CopyLanguages();
    MessageBoxResponder boxes;
    boxes.Answer(IDCANCEL);
    UiTest::RunFromLoop([] { Fault(); });

    EXPECT_EQ(RunTolvik(), 0);
    ASSERT_FALSE(boxes.Calls().empty());
    EXPECT_EQ(boxes.Calls().back().text, kQuestion);
    EXPECT_EQ(ReadFile("stack.txt").rfind("nStack\n", 0), 0u);
}
