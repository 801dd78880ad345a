#include "CaptionWrap.h"
#include "DarkenColor.h"

#include <gtest/gtest.h>

namespace {
// Ten pixels a character, five for a blank.
int Measure(const std::u16string& text)
{
    return text == u" " ? 5 : static_cast<int>(text.size()) * 10;
}

int Luminance(std::uint32_t color)
{
    const int r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return ((std::max({ r, g, b }) + std::min({ r, g, b })) * 240 + 255) / 510;
}
}

TEST(CaptionWrapTest, BreaksBetweenWordsThatDoNotFitSideBySide)
{
    EXPECT_EQ(WrapCaption(u"Journal", 20, Measure).text, u"Journal");
    EXPECT_EQ(WrapCaption(u"Journal", 20, Measure).lines, 1);

    const WrappedCaption each = WrapCaption(u"Bee yard journal", 60, Measure);
    EXPECT_EQ(each.text, u"Bee\nyard\njournal");
    EXPECT_EQ(each.lines, 3);

    const WrappedCaption two = WrapCaption(u"Bee yard journal", 100, Measure);
    EXPECT_EQ(two.text, u"Bee yard\njournal");
    EXPECT_EQ(two.lines, 2);

    EXPECT_EQ(WrapCaption(u"Bee yard journal", 1000, Measure).lines, 1);
}

TEST(CaptionWrapTest, EmptyCaptionHasNoText)
{
    const WrappedCaption none = WrapCaption(u"", 100, Measure);
    EXPECT_TRUE(none.text.empty());
    EXPECT_EQ(none.lines, 0);
}

TEST(DarkenColorTest, TakesFiftyFromTheLuminanceAndKeepsDarkColours)
{
    EXPECT_EQ(DarkenColor(0xFFFFFF), 0xC9C9C9u); // luminance 240 -> 190
    EXPECT_EQ(DarkenColor(0x000000), 0x000000u);
    const std::uint32_t launcher = 0xF8D27A;
    EXPECT_EQ(Luminance(DarkenColor(launcher)), Luminance(launcher) - 50);
    // Luminance 50 or less stays as it is.
    const std::uint32_t dark = 0x2A2A2A; // luminance 40
    EXPECT_EQ(Luminance(dark), 40);
    EXPECT_EQ(DarkenColor(dark), dark);
    EXPECT_EQ(DarkenColor(0x000040), 0x000040u);
}

TEST(DarkenColorTest, KeepsTheHue)
{
    const std::uint32_t red = 0x0000FF;
    const std::uint32_t darker = DarkenColor(red);
    EXPECT_EQ(darker & 0xFFFF00, 0u);
    EXPECT_LT(darker & 0xFF, 0xFFu);
}
