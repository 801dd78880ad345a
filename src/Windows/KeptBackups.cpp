#include "KeptBackups.h"

#include "DatabaseManager.h"
#include "LanguageManager.h"
#include "Registry.h"
#include "Text.h"

#include <algorithm>

std::size_t KeptBackupCount()
{
    const std::u16string stored = ReadRegistryString(kBackupsKeptName, kMainSettingsKey);
    if (stored.empty() || stored.find_first_not_of(u"0123456789") != std::u16string::npos)
        return kDefaultBackupsKept;
    return static_cast<std::size_t>(std::max(1, WToI(stored)));
}

CJournalBackups JournalBackups()
{
    const std::filesystem::path journal = ToPath(kJournalDatabase);
    return CJournalBackups(journal, journal.parent_path() / "backups", KeptBackupCount());
}
