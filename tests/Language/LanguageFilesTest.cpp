#include "LanguageManager.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

// The shipped language files: each must have every text the program asks for, on its own.

namespace {

const std::u16string Languages[] = {u"Русский", u"English"};

std::filesystem::path SourceLangFolder()
{
    const char* source = std::getenv("TOLVIK_SOURCE_DIR");
    if (!source) {
        ADD_FAILURE() << "TOLVIK_SOURCE_DIR names no source folder";
        return "Lang";
    }
    return std::filesystem::path(source) / "Lang";
}

std::filesystem::path FileOf(std::u16string_view language)
{
    return SourceLangFolder() / ToPath(std::u16string(language) + u".lng");
}

std::vector<std::u16string> Lines(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    const std::u16string text = FromUtf8(bytes);
    while (start < text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool HasCyrillic(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x0400 && c <= 0x04FF; });
}

}

TEST(LanguageFilesTest, IdentifierListCoversEveryNumberedText)
{
    std::set<std::int32_t> expected;
    const std::pair<std::int32_t, std::int32_t> ranges[] = {
        {1, 12}, {15, 36}, {257, 259}, {272, 277}, {4097, 4099}, {4353, 4355}, {4609, 4611}, {4865, 4868},
        {5121, 5130}, {5377, 5385}, {8193, 8193}, {8209, 8214}, {8448, 8460}, {8704, 8705}, {8720, 8733},
        {8768, 8771}, {8784, 8816}, {8832, 8835}, {8960, 8980}, {9216, 9242}, {9248, 9281},
        {9472, 9475}, {9480, 9491}, {9520, 9549}, {9560, 9569}, {9600, 9607}, {9630, 9635}, {9660, 9672},
        {9700, 9707}, {9800, 9814}, {10001, 10019}, {10036, 10046}, {10048, 10080}, {10100, 10109},
        {10200, 10237}, {10300, 10320}, {10450, 10462}, {10500, 10524}, {10600, 10698}, {10700, 10762}};
    for (const auto& [first, last] : ranges) {
        for (std::int32_t id = first; id <= last; ++id)
            expected.insert(id);
    }
    const std::set<std::int32_t> listed(AllStringIds.begin(), AllStringIds.end());
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(listed.size(), AllStringIds.size());
    EXPECT_EQ(StringId::FamilyTypeNone + FamilyTypeCount - 1, 8733);
    EXPECT_EQ(StringId::QueenStateNone + QueenStateCount - 1, 8771);
    EXPECT_EQ(StringId::DiseaseNone + DiseaseCount - 1, 8816);
    EXPECT_EQ(StringId::BreedNone + BreedCount - 1, 9281);
}

TEST(LanguageFilesTest, EachFileAloneHasEveryText)
{
    for (const std::u16string& language : Languages) {
        TempWorkDir dir;
        std::filesystem::create_directory("Lang");
        // Alone in its folder, so that no text can come from the default language instead.
        std::filesystem::copy_file(FileOf(language), ToPath(u"Lang/" + language + u".lng"));
        CLanguageManager manager;
        ASSERT_EQ(manager.GetLanguages(), std::vector<std::u16string>{language});
        for (const std::int32_t id : AllStringIds)
            EXPECT_FALSE(manager.GetString(id, language).empty()) << ToUtf8(language) << " lacks " << id;
        // The toolkit's own dialogs follow the language through its locale.
        EXPECT_EQ(manager.GetConstant(u"locale", language), language == u"English" ? u"en" : u"ru");
    }
}

TEST(LanguageFilesTest, FilesHoldEachKnownKeyOnceInItsOwnLanguage)
{
    const std::set<std::int32_t> known(AllStringIds.begin(), AllStringIds.end());
    for (const std::u16string& language : Languages) {
        const std::vector<std::u16string> lines = Lines(FileOf(language));
        ASSERT_FALSE(lines.empty()) << ToUtf8(language);
        std::set<std::int32_t> seen;
        bool inStrings = false;
        bool inConstants = false;
        for (const std::u16string& line : lines) {
            if (line.empty() || line.starts_with(u';'))
                continue;
            if (line.starts_with(u'[')) {
                inStrings = line == u"[Strings]";
                inConstants = line == u"[$CONSTANTS]";
                continue;
            }
            if (inConstants)
                continue;
            ASSERT_TRUE(inStrings) << ToUtf8(line);
            const std::size_t equals = line.find(u'=');
            ASSERT_EQ(equals, 8u) << ToUtf8(line);
            const std::int32_t id = WToI(line.substr(0, 8));
            EXPECT_TRUE(known.contains(id)) << ToUtf8(line);
            EXPECT_TRUE(seen.insert(id).second) << "twice: " << ToUtf8(line);
            const std::u16string text = line.substr(9);
            // The program's name is the same in every language, and the delete question's pattern
            // has only its quotation marks.
            if (id != StringId::MainWindowCaption && id != StringId::DeleteNamedQuestion) {
                EXPECT_EQ(HasCyrillic(text), language != u"English") << ToUtf8(line);
            }
        }
    }
}
