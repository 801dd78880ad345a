#pragma once

#include <cstddef>
#include <cstdint>

// The crash report: the raw words of the faulting stack, four a line with their address and a
// picture of their bytes.
inline constexpr std::size_t kStackDumpMaxWords = 3072; // 12288 bytes
inline constexpr char kStackDumpFile[] = "stack.txt";

// The end of the dumped range: at most kStackDumpMaxWords above stackPointer, never past stackBase.
const std::uint32_t* StackDumpEnd(const std::uint32_t* stackPointer, const std::uint32_t* stackBase);

// Writes the report of the words [first, end) into out (NUL-terminated, cut at capacity) and
// returns its length. Uses no heap, so it can run in a fault handler.
std::size_t FormatStackDump(const std::uint32_t* first, const std::uint32_t* end, char* out, std::size_t capacity);

// Writes the report to path; a fault while reading the stack ends the file with a notice instead.
void WriteStackDump(const char* path, const std::uint32_t* stackPointer, const std::uint32_t* stackBase);
