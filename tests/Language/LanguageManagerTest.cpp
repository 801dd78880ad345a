#include "LanguageManager.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

void WriteLanguage(std::u16string_view name, const std::string& content)
{
    std::filesystem::create_directories("Lang");
    std::ofstream(ToPath(u"Lang/" + std::u16string(name)), std::ios::binary) << content;
}

using Names = std::vector<std::u16string>;

}

TEST(LanguageManagerTest, KeysAreEightDigitsWithLeadingZeros)
{
    TempWorkDir dir;
    WriteLanguage(u"Русский.lng", "[Strings]\n7=short key\n00000007=seven\n12345678=eight digits\n00010200=five digits\n00000257=Tolvik\n");
    CLanguageManager manager;
    manager.Initialize();
    EXPECT_EQ(manager.GetString(7), u"seven");
    EXPECT_EQ(manager.GetString(12345678), u"eight digits");
    EXPECT_EQ(manager.GetString(StringId::HideEndedColonies), u"five digits");
    EXPECT_EQ(manager.GetString(StringId::MainWindowCaption), u"Tolvik");
    EXPECT_EQ(manager.GetString(-7), u"");
    EXPECT_EQ(manager.GetString(123456789), u"");
}

TEST(LanguageManagerTest, ListsOnlyNamesEndingInLowerCaseLng)
{
    TempWorkDir dir;
    for (const std::u16string name : {u"English.lng", u"readme.txt", u"Deutsch.LNG", u"a.lng.lng", u"b.lngx", u"Русский.lng"})
        WriteLanguage(name, "[Strings]\n");
    // Directories are not told apart from files.
    std::filesystem::create_directories("Lang/Folder.lng");
    CLanguageManager manager;
    EXPECT_EQ(manager.GetLanguages(), (Names{u"English", u"Folder", u"Русский"}));
    EXPECT_EQ(manager.GetDefaultLanguage(), u"Русский");
}

TEST(LanguageManagerTest, WithoutLangFolderEverythingIsEmpty)
{
    TempWorkDir dir;
    CLanguageManager manager;
    manager.Initialize();
    EXPECT_TRUE(manager.GetLanguages().empty());
    EXPECT_EQ(manager.GetString(StringId::MainWindowCaption), u"");
    EXPECT_EQ(manager.GetString(StringId::ButtonCancel, u"English"), u"");
    EXPECT_EQ(manager.GetConstant(u"any"), u"");
    EXPECT_EQ(manager.GetCurrentLanguage(), u"Русский");
}

TEST(LanguageManagerTest, FallsBackToTheDefaultLanguageFile)
{
    TempWorkDir dir;
    WriteLanguage(u"Русский.lng", "[Strings]\n00000001=Отмена\n00000002=Сохранить\n[$CONSTANTS]\nunit=кг\nmark=м\n");
    WriteLanguage(u"X.lng", "[Strings]\n00000001=Cancel\n00000002=\n[$CONSTANTS]\nunit=kg\n");
    CLanguageManager manager;
    // Before Initialize no language is current: every text comes from the default file.
    EXPECT_EQ(manager.GetCurrentLanguage(), u"Русский");
    EXPECT_EQ(manager.GetString(1), u"Отмена");
    manager.Initialize();
    EXPECT_EQ(manager.GetCurrentLanguage(), u"Русский");
    EXPECT_EQ(manager.GetString(1, u"X"), u"Cancel");
    EXPECT_EQ(manager.GetString(2, u"X"), u"Сохранить");
    EXPECT_EQ(manager.GetString(3, u"X"), u"");
    EXPECT_EQ(manager.GetString(1, u"Missing"), u"Отмена");
    EXPECT_EQ(manager.GetConstant(u"UNIT", u"X"), u"kg");
    EXPECT_EQ(manager.GetConstant(u"mark", u"X"), u"м");
    EXPECT_EQ(manager.GetConstant(u"unit"), u"кг");
}

TEST(LanguageManagerTest, BackslashNAndBackslashRBecomeLineBreaks)
{
    TempWorkDir dir;
    WriteLanguage(u"Русский.lng", "[Strings]\n"
                                  "00000001=first\\nsecond\n"
                                  "00000002=a\\r\\nb\n"
                                  "00000003=kept \\t and \\\\n\n"
                                  "[$CONSTANTS]\nraw=a\\nb\n");
    CLanguageManager manager;
    manager.Initialize();
    EXPECT_EQ(manager.GetString(1), u"first\nsecond");
    EXPECT_EQ(manager.GetString(2), u"a\r\nb");
    EXPECT_EQ(manager.GetString(3), u"kept \\t and \\\n");
    EXPECT_EQ(manager.GetConstant(u"raw"), u"a\\nb");
}

TEST(LanguageManagerTest, CutsTextsTo999AndConstantsTo99Characters)
{
    TempWorkDir dir;
    const std::string longText(1200, 'x');
    WriteLanguage(u"Русский.lng", "[Strings]\n00000001=" + longText + "\n00000002=" + std::string(998, 'y')
                                      + "\\n\n[$CONSTANTS]\nlong=" + longText + "\n");
    CLanguageManager manager;
    manager.Initialize();
    EXPECT_EQ(manager.GetString(1), std::u16string(999, u'x'));
    // The cut comes before the escapes: half a pair stays a backslash.
    EXPECT_EQ(manager.GetString(2), std::u16string(998, u'y') + u"\\");
    EXPECT_EQ(manager.GetConstant(u"long"), std::u16string(99, u'x'));
}

TEST(LanguageManagerTest, ReadsTheFileAgainOnEveryLookUp)
{
    TempWorkDir dir;
    WriteLanguage(u"Русский.lng", "[Strings]\n00000001=old\n");
    CLanguageManager manager;
    manager.Initialize();
    EXPECT_EQ(manager.GetString(1), u"old");
    WriteLanguage(u"Русский.lng", "[Strings]\n00000001=new\n");
    EXPECT_EQ(manager.GetString(1), u"new");
    // The list of languages, on the other hand, is read once.
    WriteLanguage(u"Later.lng", "[Strings]\n");
    EXPECT_EQ(manager.GetLanguages(), (Names{u"Русский"}));
}

TEST(LanguageManagerTest, AccessorKeepsOneManagerUntilDeleted)
{
    TempWorkDir dir;
    WriteLanguage(u"English.lng", "[Strings]\n");
    ILanguageManager* first = GetLanguageManager();
    EXPECT_EQ(GetLanguageManager(), first);
    EXPECT_EQ(first->GetLanguages(), (Names{u"English"}));
    DeleteLanguageManager();
    std::filesystem::remove("Lang/English.lng");
    EXPECT_TRUE(GetLanguageManager()->GetLanguages().empty());
    DeleteLanguageManager();
}
