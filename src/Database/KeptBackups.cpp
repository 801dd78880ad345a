#include "KeptBackups.h"

#include "DatabaseManager.h"
#include "Registry.h"
#include "Text.h"

#include <algorithm>

std::size_t KeptBackupCount()
{
    const std::u16string stored = ReadRegistryString(kBackupsKeptName, kMainSettingsKey);
    if (stored.empty() || stored.find_first_not_of(u"0123456789") != std::u16string::npos)
        return kDefaultBackupsKept;
    // Digits beyond any sensible count must not wrap round to a small number and delete backups.
    std::size_t count = 0;
    for (const char16_t digit : stored)
        count = std::min<std::size_t>(count * 10 + static_cast<std::size_t>(digit - u'0'), kMostBackupsKept);
    return std::max<std::size_t>(count, 1);
}

CJournalBackups JournalBackups()
{
    const std::filesystem::path journal = ToPath(kJournalDatabase);
    return CJournalBackups(journal, journal.parent_path() / "backups", KeptBackupCount());
}

// "Journal-YYYYMMDD-HHMMSS-mmm.db" as "dd.mm.yyyy hh:mm:ss".
std::u16string BackupTakenAt(const std::filesystem::path& file)
{
    const std::u16string name = FromPath(file.stem());
    const std::size_t stamp = name.find(u'-');
    if (stamp == std::u16string::npos || name.size() < stamp + 16)
        return name;
    const std::u16string_view s = std::u16string_view(name).substr(stamp + 1);
    return std::u16string(s.substr(6, 2)) + u'.' + std::u16string(s.substr(4, 2)) + u'.' + std::u16string(s.substr(0, 4))
        + u' ' + std::u16string(s.substr(9, 2)) + u':' + std::u16string(s.substr(11, 2)) + u':'
        + std::u16string(s.substr(13, 2));
}
