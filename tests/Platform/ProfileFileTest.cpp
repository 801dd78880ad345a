#include "ProfileFile.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void WriteBytes(const std::string& name, const std::string& bytes)
{
    std::ofstream(name, std::ios::binary) << bytes;
}

std::u16string Read(std::u16string_view section, std::u16string_view key, std::u16string_view file = u"test.ini")
{
    return ReadProfileString(section, key, u"default", 1000, file);
}

std::string Utf16Bytes(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}

TEST(ProfileFileTest, MatchesSectionAndKeyNamesWithoutRegardToCase)
{
    TempWorkDir dir;
    WriteBytes("test.ini", "[Strings]\nKey=latin\nКлюч=кириллица\n");
    EXPECT_EQ(Read(u"STRINGS", u"kEY"), u"latin");
    EXPECT_EQ(Read(u"strings", u"КЛЮЧ"), u"кириллица");
}

TEST(ProfileFileTest, DropsBlanksAroundValuesAndOnePairOfQuotes)
{
    TempWorkDir dir;
    WriteBytes("test.ini", "  [ S ]  \n"
                           "plain =  two words \t\n"
                           "double=\"  kept blanks  \"\n"
                           "single='x'\n"
                           "mixed=\"x'\n"
                           "lone=\"\n"
                           "nested=\"'inner'\"\n"
                           "empty=\n"
                           "noequals\n");
    EXPECT_EQ(Read(u"s", u"plain"), u"two words");
    EXPECT_EQ(Read(u"s", u"double"), u"  kept blanks  ");
    EXPECT_EQ(Read(u"s", u"single"), u"x");
    EXPECT_EQ(Read(u"s", u"mixed"), u"\"x'");
    EXPECT_EQ(Read(u"s", u"lone"), u"\"");
    EXPECT_EQ(Read(u"s", u"nested"), u"'inner'");
    // A key that is present with an empty value is empty, not the default.
    EXPECT_EQ(Read(u"s", u"empty"), u"");
    EXPECT_EQ(Read(u"s", u"noequals"), u"default");
}

TEST(ProfileFileTest, FirstKeyOfFirstMatchingSectionWins)
{
    TempWorkDir dir;
    WriteBytes("test.ini", "k=outside\n[A]\nk=first\nk=second\n[B]\nk=other\nj=b\n[a]\nk=later\nj=later\n");
    EXPECT_EQ(Read(u"A", u"k"), u"first");
    EXPECT_EQ(Read(u"B", u"k"), u"other");
    EXPECT_EQ(Read(u"A", u"j"), u"default");
}

TEST(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    TempWorkDir dir;
    WriteBytes("test.ini", "[A]\nk=v\n");
    std::filesystem::create_directory("folder.ini");
    EXPECT_EQ(Read(u"A", u"k", u"missing.ini"), u"default");
    EXPECT_EQ(Read(u"A", u"k", u"folder.ini"), u"default");
    EXPECT_EQ(Read(u"B", u"k"), u"default");
    EXPECT_EQ(Read(u"A", u"x"), u"default");
    EXPECT_EQ(ReadProfileString(u"A", u"x", u"", 1000, u"test.ini"), u"");
}

TEST(ProfileFileTest, ReadsUtf8AndUtf16Files)
{
    TempWorkDir dir;
    const std::u16string content = u"[Раздел]\r\nКлюч = Мёд и воск\r\nlast=конец";
    const std::string utf8 = ToUtf8(content);
    WriteBytes("plain.ini", utf8);
    WriteBytes("bom.ini", "\xEF\xBB\xBF" + utf8);
    WriteBytes("le.ini", Utf16Bytes(content, false));
    WriteBytes("be.ini", Utf16Bytes(content, true));
    for (const std::u16string file : {u"plain.ini", u"bom.ini", u"le.ini", u"be.ini"}) {
        EXPECT_EQ(Read(u"раздел", u"ключ", file), u"Мёд и воск") << ToUtf8(file);
        EXPECT_EQ(Read(u"раздел", u"LAST", file), u"конец") << ToUtf8(file);
    }
}

TEST(ProfileFileTest, CutsTheResultToTheBuffer)
{
    TempWorkDir dir;
    WriteBytes("test.ini", "[A]\nlong=" + std::string(1200, 'x') + "\nshort=abc\npair=a" + ToUtf8(u"\U0001F41D") + "\n");
    EXPECT_EQ(ReadProfileString(u"A", u"long", u"", 1000, u"test.ini"), std::u16string(999, u'x'));
    EXPECT_EQ(ReadProfileString(u"A", u"short", u"", 4, u"test.ini"), u"abc");
    EXPECT_EQ(ReadProfileString(u"A", u"short", u"", 3, u"test.ini"), u"ab");
    EXPECT_EQ(ReadProfileString(u"A", u"none", u"defaults", 4, u"test.ini"), u"def");
    // Half a surrogate pair is no character: the cut drops it.
    EXPECT_EQ(ReadProfileString(u"A", u"pair", u"", 3, u"test.ini"), u"a");
}
