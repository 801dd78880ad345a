#pragma once

#include "ILanguageManager.h"
#include "Registry.h"

// Finds the language files once, at construction, and reads the file again on every look-up, so
// that nothing goes stale while the program runs.
class CLanguageManager : public ILanguageManager
{
public:
    CLanguageManager();

    void Initialize() override;
    std::u16string GetString(std::int32_t id, std::u16string_view language = {}) const override;
    std::vector<std::u16string> GetLanguages() const override;
    std::u16string GetDefaultLanguage() const override;
    std::u16string GetCurrentLanguage() const override;
    std::u16string GetConstant(std::u16string_view key, std::u16string_view language = {}) const override;

private:
    // Reads the key from the language's file, then from the default language's file when empty.
    std::u16string ReadValue(std::u16string_view section, std::u16string_view key, std::u16string_view language,
                             std::size_t bufferSize) const;

    std::u16string m_defaultLanguage;
    std::u16string m_currentLanguage;
    std::vector<std::u16string> m_languages;
};

// The one language manager, created (and the Lang folder scanned) on the first call.
ILanguageManager* GetLanguageManager();
// Deletes the language manager; called once at exit.
void DeleteLanguageManager();

// A component's name, by which the windows find it, or its launcher button's caption: its text, or
// a built-in one when the language files give none, so that no two components share a name and
// the launcher's buttons say what they open.
std::u16string ComponentName(std::int32_t nameId);

// The files of the default and the current language that give no main window caption: missing,
// empty or damaged.
std::vector<std::u16string> UnreadableLanguageFiles();
// The message naming them, in both languages the program comes with, since it cannot come from
// those files.
std::u16string UnreadableLanguageFilesText(const std::vector<std::u16string>& files);
