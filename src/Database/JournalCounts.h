#pragma once

#include <cstdint>
#include <filesystem>

// How much a journal file holds, read without changing it; readable is false for a file that is
// no journal, whose counts are then 0.
struct JournalCounts
{
    bool readable = false;
    std::int64_t colonies = 0;
    std::int64_t records = 0;
};

JournalCounts CountJournal(const std::filesystem::path& file);
