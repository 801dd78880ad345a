#pragma once

#include "LanguageManager.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <string>

// A window test that runs once in each shipped language. The language is chosen as a beekeeper
// chooses it: in the settings store, read when the language manager starts, after the
// components were registered in the default language.
class BothLanguages : public testing::TestWithParam<std::u16string>
{
protected:
    // Call with the test's settings store in place, before the language manager starts.
    void ChooseLanguage() const { WriteRegistryString(GetParam(), kMainSettingsKey, u"combo_lang"); }
    bool Russian() const { return GetParam() == u"Русский"; }
    // A name in the quotation marks of the language.
    std::u16string Quoted(const std::u16string& name) const
    {
        return Russian() ? u"«" + name + u"»" : u"“" + name + u"”";
    }
};

inline auto ShippedLanguages()
{
    return testing::Values(std::u16string(u"Русский"), std::u16string(u"English"));
}

inline std::string LanguageName(const testing::TestParamInfo<std::u16string>& info)
{
    return info.param == u"English" ? "English" : "Russian";
}
