#include "JournalBackups.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "FileConnection.h"
#include "JournalFileCheck.h"
#include "JournalFingerprint.h"
#include "Text.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>

namespace {
constexpr char kPrefix[] = "Journal-";
constexpr char kExtension[] = ".db";
// A copy that fails its check keeps the journal as it was found but is no backup to restore.
constexpr char kDamagedExtension[] = "-damaged.db";
// A backup name is the prefix, "YYYYMMDD-HHMMSS-mmm" and the extension.
constexpr std::size_t kStampLength = 19;
// The newest copy's name and the fingerprint of the journal it copied, one to a line.
constexpr char kNewestRecord[] = "newest-copy.txt";

bool IsCopyName(const std::string& name, const char* extension)
{
    return name.size() == sizeof kPrefix - 1 + kStampLength + std::strlen(extension) && name.starts_with(kPrefix)
        && name.ends_with(extension);
}

// SQLite's quick check reads every page once; the copy is checked rather than the journal, so the
// check holds no lock on the journal.
bool IsWhole(const std::filesystem::path& file)
{
    CFileConnection connection(file, SQLITE_OPEN_READONLY);
    sqlite3_stmt* statement = nullptr;
    if (!connection.IsOpen() || sqlite3_prepare_v2(connection.get(), "PRAGMA quick_check(1)", -1, &statement, nullptr) != SQLITE_OK)
        return false;
    const bool whole = sqlite3_step(statement) == SQLITE_ROW
        && std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) == "ok";
    sqlite3_finalize(statement);
    return whole;
}

std::string StampOf(std::chrono::system_clock::time_point time)
{
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, "-%03d", static_cast<int>(milliseconds % 1000));
    return FormatFileStamp(milliseconds / 1000) + fraction;
}

// The online backup copies all pages under one read lock of the source, and writes the target in
// one transaction of its own. The source's fingerprint is taken under that lock when asked for.
bool CopyDatabase(const std::filesystem::path& from, const std::filesystem::path& to, int targetFlags,
    std::optional<JournalFingerprint>* fingerprint = nullptr)
{
    CFileConnection source(from, SQLITE_OPEN_READONLY);
    CFileConnection target(to, targetFlags);
    if (!source.IsOpen() || !target.IsOpen())
        return false;
    // A read of the schema takes the shared lock, which no writer passes until the commit below.
    const bool locked = fingerprint
        && sqlite3_exec(source.get(), "BEGIN; SELECT COUNT(*) FROM sqlite_master;", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (locked)
        *fingerprint = JournalFingerprint::Of(from);
    sqlite3_backup* backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
    int step = SQLITE_OK;
    for (int attempt = 0; backup && attempt < 100; ++attempt) {
        step = sqlite3_backup_step(backup, -1);
        if (step != SQLITE_BUSY && step != SQLITE_LOCKED)
            break;
        sqlite3_sleep(50);
    }
    const bool copied = backup && sqlite3_backup_finish(backup) == SQLITE_OK && step == SQLITE_DONE;
    if (locked)
        sqlite3_exec(source.get(), "COMMIT", nullptr, nullptr, nullptr);
    return copied;
}

// A journal holds at least the sites and the colonies; an empty or missing file would restore as
// an empty journal.
bool IsJournal(const std::filesystem::path& file)
{
    std::error_code error;
    if (CheckJournalFile(FromPath(file)) != JournalFileState::Usable || std::filesystem::file_size(file, error) == 0)
        return false;
    CFileConnection connection(file, SQLITE_OPEN_READONLY);
    sqlite3_stmt* statement = nullptr;
    if (!connection.IsOpen()
        || sqlite3_prepare_v2(connection.get(),
               "SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name IN ('points','families')", -1,
               &statement, nullptr)
            != SQLITE_OK)
        return false;
    const bool both = sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_int(statement, 0) == 2;
    sqlite3_finalize(statement);
    return both;
}
}

CJournalBackups::CJournalBackups(std::filesystem::path journal, std::filesystem::path folder, std::size_t keep)
    : m_journal(std::move(journal))
    , m_folder(std::move(folder))
    , m_keep(keep)
{
}

std::filesystem::path CJournalBackups::KeepIfUnchanged()
{
    std::filesystem::path copy = NewestIfUnchanged();
    if (!copy.empty())
        RemoveOldest();
    return copy;
}

std::filesystem::path CJournalBackups::NewestIfUnchanged() const
{
    std::ifstream record(m_folder / kNewestRecord);
    std::string name;
    std::string text;
    if (!std::getline(record, name) || !std::getline(record, text))
        return {};
    const std::optional<JournalFingerprint> recorded = JournalFingerprint::Parse(text);
    const std::optional<JournalFingerprint> now = JournalFingerprint::Of(m_journal);
    // Stamps order the copies of both kinds; only the newest of all speaks for the journal now.
    const auto stamp = [](const std::filesystem::path& copy) { return copy.filename().string().substr(0, sizeof kPrefix - 1 + kStampLength); };
    std::filesystem::path newest;
    for (const char* extension : { kExtension, kDamagedExtension }) {
        const auto copies = Copies(extension);
        if (!copies.empty() && (newest.empty() || stamp(copies.back()) > stamp(newest)))
            newest = copies.back();
    }
    if (!recorded || !now || newest.filename() != name || !recorded->Unchanged(*now))
        return {};
    return newest;
}

std::filesystem::path CJournalBackups::BackUp()
{
    std::filesystem::path copy = Copy();
    if (!copy.empty())
        RemoveOldest();
    return copy;
}

std::filesystem::path CJournalBackups::Copy()
{
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return {};
    // Two backups within one millisecond still get distinct names, in the order they were taken.
    auto time = std::chrono::system_clock::now();
    std::string stamp;
    do {
        stamp = kPrefix + StampOf(time);
        time += std::chrono::milliseconds(1);
    } while (std::filesystem::exists(m_folder / (stamp + kExtension), error)
        || std::filesystem::exists(m_folder / (stamp + kDamagedExtension), error));
    // The copy appears under its name only when it is complete.
    const std::filesystem::path temporary = m_folder / (stamp + ".tmp");
    std::optional<JournalFingerprint> fingerprint;
    if (!CopyDatabase(m_journal, temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &fingerprint)) {
        std::filesystem::remove(temporary, error);
        return {};
    }
    const std::filesystem::path file = m_folder / (stamp + (IsWhole(temporary) ? kExtension : kDamagedExtension));
    // Without a fingerprint the record is dropped, so the next start copies again.
    std::filesystem::remove(m_folder / kNewestRecord, error);
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return {};
    }
    if (fingerprint)
        WriteFileAtomically(m_folder / kNewestRecord, file.filename().string() + "\n" + fingerprint->Text() + "\n");
    return file;
}

bool CJournalBackups::IsDamaged(const std::filesystem::path& copy)
{
    return IsCopyName(copy.filename().string(), kDamagedExtension);
}

std::vector<std::filesystem::path> CJournalBackups::List() const
{
    return Copies(kExtension);
}

std::vector<std::filesystem::path> CJournalBackups::Copies(const char* extension) const
{
    std::vector<std::filesystem::path> backups;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(m_folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file(error) && IsCopyName(entry->path().filename().string(), extension))
            backups.push_back(entry->path());
    }
    std::sort(backups.begin(), backups.end());
    return backups;
}

void CJournalBackups::RemoveOldest()
{
    // Damaged copies count apart, so starts on a damaged journal never push out the good backups.
    for (const char* extension : { kExtension, kDamagedExtension }) {
        const auto copies = Copies(extension);
        std::error_code error;
        for (std::size_t i = 0; i + m_keep < copies.size(); ++i)
            std::filesystem::remove(copies[i], error);
    }
}

CJournalBackups::RestoreResult CJournalBackups::Restore(const std::filesystem::path& backup)
{
    if (!IsJournal(backup))
        return RestoreResult::NotAJournal;
    // The oldest backups are removed only after the restore, which may be reading the oldest.
    if (Copy().empty() || !CopyDatabase(backup, m_journal, SQLITE_OPEN_READWRITE))
        return RestoreResult::Failed;
    RemoveOldest();
    return RestoreResult::Restored;
}
