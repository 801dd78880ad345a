#pragma once

#include <string>

// Where the main settings page keeps its values: the language chosen for the next start
// ("combo_lang"), the printer, the number of backups kept.
inline constexpr char16_t kMainSettingsKey[] = u"Software\\Tolvik\\MainSettings";

// The per-user settings store: one string per (key path, value name). A key path such as
// "Software\Tolvik\MainSettings" names its store by its last two parts (organisation and
// application), as the desktop's native settings keep them.

// The value, or the empty string when the key or the value is missing. Value names are
// compared case-sensitively.
std::u16string ReadRegistryString(const std::u16string& valueName, const std::u16string& keyPath);
// Stores the value, replacing the file in one step; failures are ignored.
void WriteRegistryString(const std::u16string& value, const std::u16string& keyPath,
    const std::u16string& valueName);

// The folder that holds the program's files of the store.
std::u16string RegistryFolder();

// While installed, the store lives below the given folder instead of the user's configuration.
class RegistryRootOverride
{
public:
    explicit RegistryRootOverride(const std::u16string& folder);
    ~RegistryRootOverride();
    RegistryRootOverride(const RegistryRootOverride&) = delete;
    RegistryRootOverride& operator=(const RegistryRootOverride&) = delete;

    // The file that holds the values of a key path.
    std::u16string FileOf(const std::u16string& keyPath) const;

private:
    std::u16string m_folder;
};
