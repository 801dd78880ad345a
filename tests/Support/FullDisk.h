#pragma once

#include <cstdint>
#include <limits>

// While it lives, SQLite's default file system is one whose free space the test sets: a write
// that would make a file longer by more than is free fails as on a full disk, and a file that
// shrinks or is deleted gives its space back. Connections opened before it keep the real one, so
// make it before the journal is opened. One at a time.
class FullDisk
{
public:
    static constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();

    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    void SetFree(std::int64_t bytes);
    std::int64_t Free() const;
};
