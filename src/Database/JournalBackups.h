#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

// Copies of the journal in a folder, named by the local time they were taken
// ("Journal-YYYYMMDD-HHMMSS-mmm.db"). They are taken with SQLite's online backup, which reads one
// consistent state of the file, so a copy is whole even while the program writes to the journal.
class CJournalBackups
{
public:
    enum class RestoreResult { Restored, NotAJournal, Failed };

    CJournalBackups(std::filesystem::path journal, std::filesystem::path folder, std::size_t keep);

    // Copies the journal into a new backup and removes the oldest beyond the number kept; the new
    // file, or an empty path when the copy failed. A copy that fails SQLite's quick check is kept
    // as a damaged copy (IsDamaged), apart from the backups.
    std::filesystem::path BackUp();
    // When the journal has not changed since the newest copy (good or damaged) was taken, that
    // copy, which stands for the journal as it is, after removing the oldest beyond the number
    // kept; otherwise an empty path and nothing removed, and BackUp is due.
    std::filesystem::path KeepIfUnchanged();
    static bool IsDamaged(const std::filesystem::path& copy);
    // The good backups, oldest first; damaged copies and other files in the folder are not counted.
    std::vector<std::filesystem::path> List() const;
    // Backs the current journal up, then copies the backup over it in place, so open connections
    // see the restored journal at their next statement. A file that is not a journal is refused
    // and the journal stays as it was.
    RestoreResult Restore(const std::filesystem::path& backup);
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path Copy();
    std::filesystem::path NewestIfUnchanged() const;
    std::vector<std::filesystem::path> Copies(const char* extension) const;
    void RemoveOldest();

    std::filesystem::path m_journal;
    std::filesystem::path m_folder;
    std::size_t m_keep;
};
