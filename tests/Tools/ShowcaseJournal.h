#pragma once

#include "DatabaseManager.h"
#include "JournalComponent.h"
#include "Registry.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <filesystem>

// An empty journal for a showcase program, in a temporary working directory with its own settings
// store and the program's language files; all of it goes when the showcase ends.
class CShowcaseJournal
{
public:
    CShowcaseJournal()
        : m_settings(FromPath(m_dir.Path() / "config"))
    {
        std::filesystem::copy(std::filesystem::path(TOLVIK_SOURCE_DIR) / "Lang", "Lang");
        GetDatabaseManager()->Initialize();
        m_journal.Create();
    }

    CJournalComponent& Journal() { return m_journal; }

private:
    TempWorkDir m_dir;
    RegistryRootOverride m_settings;
    CJournalComponent m_journal;
};
