#pragma once

#include "DatabaseManager.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// A copy of the journal as the working directory's Journal.db, for the handlers to change.
class JournalCopy
{
public:
    explicit JournalCopy(const std::string& file)
        : m_previous(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvik-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
        std::filesystem::current_path(m_path);
        std::filesystem::copy_file(file, kJournalDatabase);
    }
    ~JournalCopy()
    {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_path);
    }
    JournalCopy(const JournalCopy&) = delete;
    JournalCopy& operator=(const JournalCopy&) = delete;

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};
