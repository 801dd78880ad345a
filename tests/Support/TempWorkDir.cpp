#include "TempWorkDir.h"

#include <cstdlib>
#include <string>

TempWorkDir::TempWorkDir()
    : m_previous(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvik-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    m_path = pattern;
    std::filesystem::current_path(m_path);
}

TempWorkDir::~TempWorkDir()
{
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    std::filesystem::remove_all(m_path, ignored);
}
