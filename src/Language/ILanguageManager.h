#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Answers text look-ups by string identifier (StringIds.h) from the language files in Lang.
// No look-up reports an error: what cannot be found is an empty text.
class ILanguageManager
{
public:
    // Makes the default language the current one.
    virtual void Initialize() = 0;
    // The text of the identifier in the language (the current one when empty), else in the default
    // language; backslash-n and backslash-r stand for a line feed and a carriage return.
    virtual std::u16string GetString(std::int32_t id, std::u16string_view language = {}) const = 0;
    virtual std::vector<std::u16string> GetLanguages() const = 0;
    virtual std::u16string GetDefaultLanguage() const = 0;
    // The current language, or the default one while none is set.
    virtual std::u16string GetCurrentLanguage() const = 0;
    // A value of the "$CONSTANTS" section, found as GetString finds a text, returned as it is.
    virtual std::u16string GetConstant(std::u16string_view key, std::u16string_view language = {}) const = 0;
    virtual ~ILanguageManager() = default;
};
