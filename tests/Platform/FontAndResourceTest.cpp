#include "Bitmap.h"
#include "Cursor.h"
#include "Dc.h"
#include "FontHelper.h"
#include "WinStyles.h"

#include <gtest/gtest.h>

TEST(Fonts, FontHelperGivesTheCellHeightWeightAndFace)
{
    for (int height : { 14, 16, 20, 22 }) {
        auto font = CreateFontHelper(true, u"Book Antiqua", height, true, false);
        CClientDC dc(nullptr);
        dc.SelectObject(font.get());
        TEXTMETRIC metrics;
        dc.GetTextMetrics(&metrics);
        EXPECT_LE(metrics.tmHeight, height);
        EXPECT_GE(metrics.tmHeight, height - 2);
        LOGFONTW logFont;
        font->GetLogFont(&logFont);
        EXPECT_EQ(logFont.lfWeight, 700);
        EXPECT_EQ(logFont.lfItalic, 1);
        EXPECT_EQ(std::u16string(logFont.lfFaceName), u"Book Antiqua");
    }
    auto bold = CreateFontHelper(true, u"Arial", 16, false, false);
    auto normal = CreateFontHelper(false, u"Arial", 16, false, false);
    CClientDC dc(nullptr);
    dc.SelectObject(bold.get());
    const int boldWidth = dc.GetTextExtent(u"Colonies").cx;
    dc.SelectObject(normal.get());
    EXPECT_GT(boldWidth, dc.GetTextExtent(u"Colonies").cx);
}

TEST(Fonts, MeasureTextWrapsWordByWordAndSumsLines)
{
    auto font = CreateFontHelper(false, u"Arial", 16, false, false);
    CClientDC dc(nullptr);
    dc.SelectObject(font.get());
    const int line = dc.GetTextExtent(u" ").cy;
    const int word = dc.GetTextExtent(u"hive ").cx;

    const CSize unwrapped = MeasureText(u"hive hive\nhive", 0, font.get());
    EXPECT_EQ(unwrapped.cx, dc.GetTextExtent(u"hive hive").cx);
    EXPECT_EQ(unwrapped.cy, 2 * line);

    // Two words fit side by side; the third starts a new line; a text line break adds one.
    const CSize wrapped = MeasureText(u"hive hive hive\nhive", 2 * word, font.get());
    EXPECT_EQ(wrapped.cx, 2 * word);
    EXPECT_EQ(wrapped.cy, 3 * line);
    // A word wider than the width stays on one line of its own.
    EXPECT_EQ(MeasureText(u"honeycomb", 5, font.get()).cy, line);
    EXPECT_EQ(MeasureText(u"a b", 5, font.get()).cy, 2 * line);
    // Without a font the desktop's default font measures.
    EXPECT_GT(MeasureText(u"x", 0, nullptr).cy, 0);
}

TEST(Resources, PicturesByNumberAndNoneForAnUnknownNumber)
{
    CBitmap journal;
    ASSERT_TRUE(journal.LoadBitmap(107));
    EXPECT_EQ(journal.GetSize().cx, 81);
    EXPECT_EQ(journal.GetSize().cy, 81);
    CBitmap close;
    ASSERT_TRUE(close.LoadBitmap(130));
    EXPECT_EQ(close.GetSize().cx, 18);
    EXPECT_EQ(close.GetSize().cy, 30);

    CBitmap unknown;
    EXPECT_FALSE(unknown.LoadBitmap(9999));
    EXPECT_FALSE(unknown.IsCreated());
    EXPECT_EQ(LoadIcon(9999), nullptr);
    EXPECT_EQ(LoadCursor(9999), nullptr);

    EXPECT_NE(LoadIcon(128), nullptr);
    EXPECT_EQ(LoadIcon(128), LoadIcon(IDI_APPLICATION));
    EXPECT_NE(LoadCursor(111), nullptr);
    EXPECT_NE(LoadCursor(118), nullptr);
    EXPECT_EQ(LoadCursor(IDC_HAND), LoadCursor(IDC_HAND));
}
