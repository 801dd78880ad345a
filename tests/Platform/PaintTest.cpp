#include "Bitmap.h"
#include "Brush.h"
#include "Dc.h"
#include "FontHelper.h"
#include "Pen.h"
#include "RecordingWindow.h"
#include "Rgn.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kCaption = RGB(221, 165, 54);

// Paints, double-buffered, what a grid cell of the journal paints.
class CBufferedWindow : public CRecordingWindow
{
public:
    void OnPaint() override
    {
        CPaintDC dc(this);
        RECT client;
        GetClientRect(&client);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap buffer;
        buffer.CreateCompatibleBitmap(&dc, client.right, client.bottom);
        CBitmap* old = memory.SelectObject(&buffer);
        memory.FillSolidRect(&client, kWhite);
        CBrush caption(kCaption);
        const RECT cell { 10, 10, 110, 60 };
        memory.FillRect(&cell, &caption);
        CBrush black(kBlack);
        const RECT frame { 120, 10, 170, 40 };
        memory.FrameRect(&frame, &black);
        CPen dotted(PS_DOT, 1, kBlack);
        CPen* oldPen = memory.SelectObject(&dotted);
        memory.MoveTo(10, 80);
        memory.LineTo(30, 80);
        memory.SelectObject(oldPen);
        auto font = CreateFontHelper(true, u"Arial", 16, false, false);
        CFont* oldFont = memory.SelectObject(font.get());
        memory.SetBkMode(TRANSPARENT);
        RECT text { 10, 100, 110, 190 };
        memory.DrawText(u"Queen bee colony", &text, DT_CENTER | DT_WORDBREAK);
        memory.SelectObject(oldFont);
        dc.BitBlt(0, 0, client.right, client.bottom, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
    }
};

bool Dark(COLORREF color)
{
    return GetRValue(color) < 128 && GetGValue(color) < 128 && GetBValue(color) < 128;
}
}

TEST(Paint, DoubleBufferedPaintGivesExactRectanglesFramesAndDottedLines)
{
    CBufferedWindow window;
    ASSERT_TRUE(window.CreateTopLevel(WS_VISIBLE, 200, 200));
    const UiTest::Image image = UiTest::Grab(&window);
    ASSERT_EQ(image.width, 200);
    // The filled rectangle covers left/top and stops before right/bottom.
    EXPECT_EQ(image.At(10, 10), kCaption);
    EXPECT_EQ(image.At(109, 59), kCaption);
    EXPECT_EQ(image.At(110, 30), kWhite);
    EXPECT_EQ(image.At(50, 60), kWhite);
    EXPECT_EQ(image.At(9, 10), kWhite);
    // A one-pixel frame on the inside of the rectangle.
    EXPECT_EQ(image.At(120, 10), kBlack);
    EXPECT_EQ(image.At(169, 39), kBlack);
    EXPECT_EQ(image.At(145, 39), kBlack);
    EXPECT_EQ(image.At(121, 11), kWhite);
    EXPECT_EQ(image.At(170, 20), kWhite);
    // The dotted line: three pixels on, three off, without its last pixel.
    EXPECT_EQ(image.At(10, 80), kBlack);
    EXPECT_EQ(image.At(12, 80), kBlack);
    EXPECT_EQ(image.At(13, 80), kWhite);
    EXPECT_EQ(image.At(16, 80), kBlack);
    EXPECT_EQ(image.At(29, 80), kBlack);
    EXPECT_EQ(image.At(30, 80), kWhite);

    // The caption wraps into two lines, each centred in the 100-pixel cell.
    int top = 200, bottom = 0, left = 200, right = 0;
    for (int y = 100; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (Dark(image.At(x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    auto font = CreateFontHelper(true, u"Arial", 16, false, false);
    const CSize lines = MeasureText(u"Queen bee colony", 100, font.get());
    EXPECT_GT(bottom - top, 16);
    EXPECT_LE(bottom, 100 + lines.cy);
    EXPECT_GE(left, 10);
    EXPECT_LE(right, 110);
    EXPECT_LE(std::abs((left - 10) - (110 - right - 1)), 3);
}

TEST(Paint, RectangleEllipseAndPolygonUseThePenAndBrush)
{
    CBitmap bitmap;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, 40, 40);
    dc.SelectObject(&bitmap);
    const RECT all { 0, 0, 40, 40 };
    dc.FillSolidRect(&all, kWhite);
    CBrush fill(kCaption);
    dc.SelectObject(&fill);
    dc.SelectStockObject(BLACK_PEN);
    dc.Rectangle(5, 5, 15, 15);
    EXPECT_EQ(dc.GetPixel(5, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(14, 14), kBlack);
    EXPECT_EQ(dc.GetPixel(10, 10), kCaption);
    EXPECT_EQ(dc.GetPixel(15, 10), kWhite);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(20, 20, 30, 30);
    EXPECT_EQ(dc.GetPixel(20, 20), kCaption);
    EXPECT_EQ(dc.GetPixel(29, 25), kWhite); // without a pen the fill is one pixel smaller
    const POINT triangle[] = { { 0, 30 }, { 10, 30 }, { 5, 39 } };
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Polygon(triangle, 3);
    EXPECT_EQ(dc.GetPixel(5, 33), kBlack);
    EXPECT_EQ(dc.GetPixel(0, 39), kWhite);
}

TEST(Paint, FocusRectangleDrawnTwiceLeavesNothing)
{
    CBitmap bitmap;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, 20, 20);
    dc.SelectObject(&bitmap);
    const RECT all { 0, 0, 20, 20 };
    dc.FillSolidRect(&all, kWhite);
    const RECT focus { 2, 2, 18, 18 };
    dc.DrawFocusRect(&focus);
    EXPECT_EQ(dc.GetPixel(2, 2), kBlack);
    EXPECT_EQ(dc.GetPixel(3, 2), kWhite);
    EXPECT_EQ(dc.GetPixel(10, 10), kWhite);
    dc.DrawFocusRect(&focus);
    EXPECT_EQ(dc.GetPixel(2, 2), kWhite);
}

TEST(Paint, StretchedCopyAndPixelAccessForColourReplacement)
{
    CDC source;
    source.CreateCompatibleDC(nullptr);
    CBitmap picture;
    picture.CreateCompatibleBitmap(&source, 2, 1);
    std::vector<COLORREF> pixels { kWhite, kCaption };
    ASSERT_TRUE(picture.SetPixels(pixels));
    EXPECT_FALSE(picture.SetPixels({ kWhite }));
    // Pure white becomes the launcher colour, as the picture buttons do.
    for (COLORREF& pixel : pixels) {
        if ((pixel & 0xFFFFFF) == 0xFFFFFF)
            pixel = RGB(122, 210, 248);
    }
    picture.SetPixels(pixels);
    EXPECT_EQ(picture.GetPixels()[0], RGB(122, 210, 248));
    source.SelectObject(&picture);

    CDC target;
    target.CreateCompatibleDC(nullptr);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(&target, 10, 5);
    target.SelectObject(&canvas);
    target.StretchBlt(0, 0, 10, 5, &source, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(target.GetPixel(0, 0), RGB(122, 210, 248));
    EXPECT_EQ(target.GetPixel(4, 4), RGB(122, 210, 248));
    EXPECT_EQ(target.GetPixel(5, 0), kCaption);
    EXPECT_EQ(target.GetPixel(9, 4), kCaption);

    const RECT all { 0, 0, 10, 5 };
    target.FillSolidRect(&all, kBlack);
    target.TransparentBlt(0, 0, 2, 1, &source, 0, 0, 2, 1, RGB(122, 210, 248));
    EXPECT_EQ(target.GetPixel(0, 0), kBlack);
    EXPECT_EQ(target.GetPixel(1, 0), kCaption);
}

TEST(Paint, TextAlignmentAndOpaqueBackground)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 100, 30);
    dc.SelectObject(&bitmap);
    const RECT all { 0, 0, 100, 30 };
    dc.FillSolidRect(&all, kWhite);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kCaption);
    RECT cell = all;
    const int height = dc.DrawText(u"ab", &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    const CSize extent = dc.GetTextExtent(u"ab");
    EXPECT_EQ(height, extent.cy);
    EXPECT_EQ(dc.GetPixel(99 - extent.cx + 1, (30 - extent.cy) / 2), kCaption);
    EXPECT_EQ(dc.GetPixel(99 - extent.cx - 1, 15), kWhite);
    RECT measure { 0, 0, 50, 0 };
    dc.DrawText(u"one two three four", &measure, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_LE(measure.right, 50);
    EXPECT_GE(measure.bottom, 2 * extent.cy);
}

TEST(Paint, RegionsFillOnlyTheirPixels)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 30, 30);
    dc.SelectObject(&bitmap);
    const RECT all { 0, 0, 30, 30 };
    dc.FillSolidRect(&all, kWhite);
    CRgn left;
    CRgn right;
    CRgn both;
    left.CreateRectRgn(0, 0, 10, 10);
    right.CreateRectRgn(20, 0, 30, 10);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);
    CBrush black(kBlack);
    dc.FillRgn(&both, &black);
    EXPECT_EQ(dc.GetPixel(0, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(9, 9), kBlack);
    EXPECT_EQ(dc.GetPixel(10, 5), kWhite);
    EXPECT_EQ(dc.GetPixel(29, 9), kBlack);
    EXPECT_TRUE(both.PtInRegion(25, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    const POINT arrow[] = { { 15, 12 }, { 20, 17 }, { 15, 22 } };
    CRgn triangle;
    triangle.CreatePolygonRgn(arrow, 3, ALTERNATE);
    EXPECT_TRUE(triangle.PtInRegion(16, 17));
    EXPECT_FALSE(triangle.PtInRegion(14, 17));
}
