#include "LanguageManager.h"

#include "DirectoryListing.h"
#include "ProfileFile.h"
#include "Registry.h"
#include "StringIds.h"
#include "Text.h"
#include "ToolkitLanguage.h"

#include <algorithm>

namespace {

CLanguageManager* g_languageManager = nullptr;

constexpr std::u16string_view LanguageFolder = u"Lang/";
constexpr std::u16string_view LanguageExtension = u".lng";
constexpr std::u16string_view StringsSection = u"Strings";
constexpr std::u16string_view ConstantsSection = u"$CONSTANTS";
// Buffer sizes of the reads, terminator included.
constexpr std::size_t StringBufferSize = 1000;
constexpr std::size_t ConstantBufferSize = 100;
constexpr std::int32_t LargestKey = 99999999;

std::u16string LanguageFile(std::u16string_view language)
{
    return std::u16string(LanguageFolder) + std::u16string(language) + std::u16string(LanguageExtension);
}

// The identifier as exactly eight decimal digits; empty for one that cannot be written so.
std::u16string StringKey(std::int32_t id)
{
    if (id < 0 || id > LargestKey)
        return {};
    const std::u16string digits = IntToText(id);
    return std::u16string(8 - digits.size(), u'0') + digits;
}

}

CLanguageManager::CLanguageManager()
    : m_defaultLanguage(u"Русский")
{
    for (const std::u16string& name : ListDirectory(std::u16string(LanguageFolder) + u"*.*")) {
        // Only a name whose first ".lng", in exactly this case, is its very end names a language.
        const std::size_t found = name.find(LanguageExtension);
        if (found != std::u16string::npos && found == name.size() - LanguageExtension.size())
            m_languages.push_back(name.substr(0, found));
    }
}

void CLanguageManager::Initialize()
{
    const std::u16string chosen = ReadRegistryString(u"combo_lang", kMainSettingsKey);
    const bool known = std::find(m_languages.begin(), m_languages.end(), chosen) != m_languages.end();
    m_currentLanguage = known ? chosen : m_defaultLanguage;
    UseToolkitLanguage(GetConstant(u"locale"));
}

std::u16string CLanguageManager::GetString(std::int32_t id, std::u16string_view language) const
{
    const std::u16string key = StringKey(id);
    if (key.empty())
        return {};
    std::u16string text = ReadValue(StringsSection, key, language, StringBufferSize);
    text = ReplaceAll(std::move(text), u"\\n", u"\n");
    return ReplaceAll(std::move(text), u"\\r", u"\r");
}

std::vector<std::u16string> CLanguageManager::GetLanguages() const
{
    return m_languages;
}

std::u16string CLanguageManager::GetDefaultLanguage() const
{
    return m_defaultLanguage;
}

std::u16string CLanguageManager::GetCurrentLanguage() const
{
    return m_currentLanguage.empty() ? m_defaultLanguage : m_currentLanguage;
}

std::u16string CLanguageManager::GetConstant(std::u16string_view key, std::u16string_view language) const
{
    return ReadValue(ConstantsSection, key, language, ConstantBufferSize);
}

std::u16string CLanguageManager::ReadValue(std::u16string_view section, std::u16string_view key,
                                           std::u16string_view language, std::size_t bufferSize) const
{
    const std::u16string_view chosen = language.empty() ? std::u16string_view(m_currentLanguage) : language;
    std::u16string value = ReadProfileString(section, key, u"", bufferSize, LanguageFile(chosen));
    if (value.empty() && chosen != m_defaultLanguage)
        value = ReadProfileString(section, key, u"", bufferSize, LanguageFile(m_defaultLanguage));
    return value;
}

std::u16string ComponentName(std::int32_t nameId)
{
    std::u16string name = GetLanguageManager()->GetString(nameId);
    if (!name.empty())
        return name;
    switch (nameId) {
    case StringId::JournalName: return u"Пасечный журнал";
    case StringId::MainSettingsTitle: return u"Настройки программы";
    case StringId::SettingsName: return u"Настройки";
    default: return IntToText(nameId);
    }
}

std::vector<std::u16string> UnreadableLanguageFiles()
{
    const ILanguageManager* manager = GetLanguageManager();
    std::vector<std::u16string> files;
    for (const std::u16string& language : { manager->GetDefaultLanguage(), manager->GetCurrentLanguage() }) {
        const std::u16string file = LanguageFile(language);
        // Every language file has the main window's caption.
        const bool readable = !ReadProfileString(StringsSection, StringKey(StringId::MainWindowCaption), u"",
            StringBufferSize, file).empty();
        if (!readable && std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    }
    return files;
}

std::u16string UnreadableLanguageFilesText(const std::vector<std::u16string>& files)
{
    std::u16string list;
    for (const std::u16string& file : files)
        list += u"\n" + file;
    return u"Файлы языка отсутствуют, пусты или повреждены, поэтому часть надписей не видна:" + list
        + u"\n\nThe language files are missing, empty or damaged, so some texts are not shown:" + list
        + u"\n\nЖурнал открывается как обычно. / The journal opens as usual.";
}

ILanguageManager* GetLanguageManager()
{
    if (!g_languageManager)
        g_languageManager = new CLanguageManager();
    return g_languageManager;
}

void DeleteLanguageManager()
{
    delete g_languageManager;
    g_languageManager = nullptr;
}
