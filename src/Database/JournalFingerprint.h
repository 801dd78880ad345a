#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// What tells whether the journal file changed: SQLite's header (its change counter among it), the
// size, the inode and both file times. Taken while a read lock keeps writers out, so that it
// belongs to the state a backup copies.
struct JournalFingerprint
{
    std::string header;
    std::uintmax_t size = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    // When it was taken, to tell a change within the file times' granularity from none.
    std::int64_t takenNs = 0;

    // None for a file without a rollback journal's header: a write-ahead log changes the
    // database without counting it in the header.
    static std::optional<JournalFingerprint> Of(const std::filesystem::path& file);
    static std::optional<JournalFingerprint> Parse(const std::string& text);
    std::string Text() const;

    // Whether `now` is the same file state, and this one was taken late enough after the file's
    // last modification that a write within the same clock tick could not have gone unseen.
    bool Unchanged(const JournalFingerprint& now) const;
};
