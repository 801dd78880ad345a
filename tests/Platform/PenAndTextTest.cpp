#include "Bitmap.h"
#include "Dc.h"
#include "FontHelper.h"
#include "Pen.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A white memory context of the given size.
class CCanvas
{
public:
    CCanvas(int width, int height)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kWhite);
        dc.SetTextColor(kBlack);
        dc.SetBkMode(TRANSPARENT);
        font = CreateFontHelper(false, u"Arial", 20, false, false);
        dc.SelectObject(font.get());
    }

    bool Dark(int x, int y) const { return GetRValue(dc.GetPixel(x, y)) < 128; }

    CDC dc;
    CBitmap bitmap;
    std::unique_ptr<CFont> font;
};

// Whether the pixels of the line from (0, y) up to x = length follow the runs, on first.
::testing::AssertionResult Follows(const CCanvas& canvas, int y, int length, int on, int off)
{
    for (int x = 0; x < length; ++x) {
        const bool expected = x % (on + off) < on;
        if (canvas.Dark(x, y) != expected)
            return ::testing::AssertionFailure() << "pixel " << x << " is " << (expected ? "white" : "black");
    }
    if (canvas.Dark(length, y))
        return ::testing::AssertionFailure() << "the last pixel is drawn";
    return ::testing::AssertionSuccess();
}

// The rows in which two drawings differ, and the columns of those differences.
struct Difference
{
    int top = 1000;
    int bottom = -1;
    int left = 1000;
    int right = -1;
};

Difference Compare(const CCanvas& a, const CCanvas& b, int width, int height)
{
    Difference difference;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (a.dc.GetPixel(x, y) != b.dc.GetPixel(x, y)) {
                difference.top = std::min(difference.top, y);
                difference.bottom = std::max(difference.bottom, y);
                difference.left = std::min(difference.left, x);
                difference.right = std::max(difference.right, x);
            }
        }
    }
    return difference;
}

void Write(CCanvas& canvas, const std::u16string& text, UINT format)
{
    RECT rect { 0, 0, 200, 40 };
    canvas.dc.DrawText(text, &rect, format | DT_SINGLELINE);
}

int MeasuredWidth(CCanvas& canvas, const std::u16string& text, UINT format)
{
    RECT rect { 0, 0, 0, 0 };
    canvas.dc.DrawText(text, &rect, format | DT_SINGLELINE | DT_CALCRECT);
    return rect.right;
}
}

TEST(PenAndText, DottedAndDashedOnePixelPensDrawTheDesktopRuns)
{
    CCanvas canvas(100, 60);
    for (const int width : { 0, 1 }) {
        CPen dot(PS_DOT, width, kBlack);
        canvas.dc.SelectObject(&dot);
        canvas.dc.MoveTo(0, 5 + width);
        canvas.dc.LineTo(40, 5 + width);
        EXPECT_TRUE(Follows(canvas, 5 + width, 40, 3, 3)) << "width " << width;
    }
    CPen dash(PS_DASH, 1, kBlack);
    canvas.dc.SelectObject(&dash);
    canvas.dc.MoveTo(0, 20);
    canvas.dc.LineTo(60, 20);
    EXPECT_TRUE(Follows(canvas, 20, 60, 18, 6));

    // Downwards the same runs.
    CPen dot(PS_DOT, 1, kBlack);
    canvas.dc.SelectObject(&dot);
    canvas.dc.MoveTo(80, 0);
    canvas.dc.LineTo(80, 12);
    for (int y = 0; y < 12; ++y)
        EXPECT_EQ(canvas.Dark(80, y), y % 6 < 3) << y;
    canvas.dc.SelectStockObject(BLACK_PEN);
}

TEST(PenAndText, AmpersandUnderlinesTheNextCharacterUnlessNoPrefixIsAsked)
{
    CCanvas marked(200, 40);
    CCanvas plain(200, 40);
    Write(marked, u"&Hive", 0);
    Write(plain, u"Hive", 0);
    // The same letters, and a line under the H only, below the baseline.
    TEXTMETRIC metrics;
    plain.dc.GetTextMetrics(&metrics);
    const int letterWidth = plain.dc.GetTextExtent(u"H").cx;
    const Difference underline = Compare(marked, plain, 200, 40);
    ASSERT_GE(underline.bottom, 0) << "nothing underlined";
    EXPECT_GE(underline.top, metrics.tmAscent);
    EXPECT_LT(underline.bottom, metrics.tmHeight);
    EXPECT_LE(underline.left, 1);
    EXPECT_GE(underline.right, letterWidth - 2);
    EXPECT_LT(underline.right, letterWidth + 1);
    EXPECT_EQ(MeasuredWidth(marked, u"&Hive", 0), MeasuredWidth(plain, u"Hive", 0));

    // "&&" is one "&", as drawn without prefixes.
    CCanvas doubled(200, 40);
    CCanvas literal(200, 40);
    Write(doubled, u"A&&B", 0);
    Write(literal, u"A&B", DT_NOPREFIX);
    EXPECT_LT(Compare(doubled, literal, 200, 40).bottom, 0);
    EXPECT_EQ(MeasuredWidth(doubled, u"A&&B", 0), MeasuredWidth(literal, u"A&B", DT_NOPREFIX));

    // DT_NOPREFIX draws and measures the "&" as it is.
    CCanvas raw(200, 40);
    Write(raw, u"&Hive", DT_NOPREFIX);
    EXPECT_GT(MeasuredWidth(raw, u"&Hive", DT_NOPREFIX), MeasuredWidth(plain, u"Hive", 0));
    EXPECT_LT(Compare(raw, plain, 200, 40).top, metrics.tmAscent);
}
