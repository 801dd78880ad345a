#pragma once

#include <filesystem>

// Makes a fresh temporary directory the working directory for the lifetime of the object.
class TempWorkDir
{
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};
