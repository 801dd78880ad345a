#pragma once

#include "Registry.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>

// A temporary working directory whose settings store lives inside it, with a reader of the raw
// store file so that tests see exactly what was written.
class SettingsStore
{
public:
    SettingsStore()
        : m_override(FromPath(m_dir.Path() / "config"))
    {
    }

    // Every "name=value" line of the key's store file.
    std::map<std::string, std::string> Values(const std::u16string& keyPath) const
    {
        std::map<std::string, std::string> values;
        std::ifstream file(ToPath(m_override.FileOf(keyPath)));
        std::string line;
        while (std::getline(file, line)) {
            const std::size_t equals = line.find('=');
            if (!line.empty() && line[0] != '[' && equals != std::string::npos)
                values[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return values;
    }

    const std::filesystem::path& Path() const { return m_dir.Path(); }

private:
    TempWorkDir m_dir;
    RegistryRootOverride m_override;
};
