#include "MainSetting.h"

#include "KeptBackups.h"
#include "LanguageManager.h"
#include "Printers.h"
#include "Registry.h"
#include "SettingsKeys.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

namespace {
ControlProperties ComboStrings(const std::vector<std::u16string>& texts)
{
    ControlProperties properties;
    for (const std::u16string& text : texts)
        properties.emplace_back(u"ComboString", text);
    return properties;
}
}

CMainSetting::CMainSetting()
    : CSettings(StringId::MainSettingsTitle, kMainSettingsKey, true)
{
    Build();
}

CSettings::ValueMap CMainSetting::LoadSavedValues()
{
    return { { u"static_header", Tr(StringId::MainSettingsTitle) }, { u"static_lang", Tr(StringId::LanguageLabel) },
        { u"static_printer", Tr(StringId::PrinterLabel) },
        { u"combo_lang", ReadRegistryString(u"combo_lang", kMainSettingsKey) },
        { u"combo_printer", ReadRegistryString(u"combo_printer", kMainSettingsKey) },
        { u"static_backups", Tr(StringId::BackupsKeptLabel) },
        { kBackupsKeptName, ReadRegistryString(kBackupsKeptName, kMainSettingsKey) } };
}

CSettings::ValueMap CMainSetting::GetDefaultValues()
{
    return { { u"combo_lang", GetLanguageManager()->GetDefaultLanguage() }, { u"combo_printer", GetDefaultPrinterName() },
        { kBackupsKeptName, IntToText(static_cast<std::int64_t>(kDefaultBackupsKept)) } };
}

CSettings::PropertyMap CMainSetting::GetControlProperties()
{
    return { { u"static_header", { { u"type", u"header" } } },
        { u"combo_lang", ComboStrings(GetLanguageManager()->GetLanguages()) },
        { u"combo_printer", ComboStrings(EnumPrinterNames()) } };
}

std::vector<ControlDescription> CMainSetting::GetControlDescriptions()
{
    return {
        { u"static", 10, 0, 415, 23, kStyleHeader, Tr(StringId::MainSettingsTitle), u"static_header" },
        { u"static", 10, 30, 415, 15, kStylePlain, Tr(StringId::LanguageLabel), u"static_lang" },
        { u"combo_box", 10, 45, 415, 20, kStyleDropDownList, GetLanguageManager()->GetDefaultLanguage(), u"combo_lang" },
        { u"static", 10, 75, 415, 15, kStylePlain, Tr(StringId::PrinterLabel), u"static_printer" },
        { u"combo_box", 10, 90, 415, 20, kStyleDropDownList, u"", u"combo_printer" },
        { u"static", 10, 120, 415, 15, kStylePlain, Tr(StringId::BackupsKeptLabel), u"static_backups" },
        { u"edit_number", 10, 135, 80, 20, kStyleBorderedField, u"", kBackupsKeptName },
    };
}
