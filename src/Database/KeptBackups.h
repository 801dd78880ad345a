#pragma once

#include "JournalBackups.h"

#include <cstddef>
#include <string>

// The name of the number of backups kept on the main settings page, and its default.
inline constexpr char16_t kBackupsKeptName[] = u"edit_backups";
inline constexpr std::size_t kDefaultBackupsKept = 10;
inline constexpr std::size_t kMostBackupsKept = 100000;

// The stored number; the default when none or no number is stored. At least one is kept, so the
// newest backup is never removed as it is made.
std::size_t KeptBackupCount();

// The journal's backups, in the "backups" folder beside it.
CJournalBackups JournalBackups();

// When a backup was taken, from its name, as "dd.mm.yyyy hh:mm:ss".
std::u16string BackupTakenAt(const std::filesystem::path& file);
