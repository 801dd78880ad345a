#include "ChartFrame.h"

#include "Brush.h"
#include "Dc.h"
#include "FontHelper.h"
#include "Pen.h"
#include "Text.h"

#include <algorithm>

namespace {
constexpr int kSwatch = 12;
constexpr int kEntryGap = 18;
constexpr int kAxisSteps = 5;
constexpr int kNumberGap = 6;
// The room of an axis number, beyond any that an int needs.
constexpr int kWidestNumber = 200;

void FrameIn(CDC& dc, const RECT& rect, COLORREF colour)
{
    CBrush brush(colour);
    dc.FrameRect(&rect, &brush);
}
}

CChartFrame::CChartFrame()
    : m_title(CreateFontHelper(true, u"Arial", 16, false, false))
    , m_label(CreateFontHelper(false, u"Arial", 14, false, false))
{
}

CChartFrame::~CChartFrame() = default;

RECT CChartFrame::PaintCaption(CDC& dc, const RECT& rect, const std::u16string& title) const
{
    dc.FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    RECT band { rect.left, rect.top, rect.right, std::min(rect.bottom, rect.top + CaptionHeight) };
    dc.FillSolidRect(&band, Caption);
    CPen black(PS_SOLID, 1, Ink);
    CPen* oldPen = dc.SelectObject(&black);
    dc.MoveTo(band.left, band.bottom - 1);
    dc.LineTo(band.right, band.bottom - 1);
    dc.SelectObject(oldPen);
    CFont* oldFont = dc.SelectObject(m_title.get());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Ink);
    RECT text { band.left + 8, band.top, band.right - 8, band.bottom };
    dc.DrawText(title, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    dc.SelectObject(oldFont);
    return { rect.left, band.bottom, rect.right, rect.bottom };
}

RECT CChartFrame::PaintLegend(
    CDC& dc, const RECT& rect, const std::vector<LegendEntry>& entries, std::vector<RECT>& places) const
{
    CFont* oldFont = dc.SelectObject(m_label.get());
    dc.SetBkMode(TRANSPARENT);
    const int middle = rect.top + LegendHeight / 2 + 2;
    int x = rect.left + 10;
    for (const LegendEntry& entry : entries) {
        const CSize size = dc.GetTextExtent(entry.name);
        const RECT swatch { x, middle - kSwatch / 2, x + kSwatch, middle + kSwatch / 2 };
        if (entry.shown)
            dc.FillSolidRect(&swatch, entry.colour);
        FrameIn(dc, swatch, entry.shown ? Ink : Faded);
        RECT text { swatch.right + 5, middle - size.cy / 2, swatch.right + 5 + size.cx, middle - size.cy / 2 + size.cy };
        dc.SetTextColor(entry.shown ? Ink : Faded);
        dc.DrawText(entry.name, &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        places.push_back({ x - 3, rect.top + 2, text.right + 3, rect.top + LegendHeight });
        x = text.right + kEntryGap;
    }
    dc.SelectObject(oldFont);
    return { rect.left, std::min(rect.bottom, rect.top + LegendHeight), rect.right, rect.bottom };
}

int CChartFrame::IndexAt(const std::vector<RECT>& places, POINT point)
{
    for (std::size_t i = 0; i < places.size(); ++i) {
        const RECT& place = places[i];
        if (point.x >= place.left && point.x < place.right && point.y >= place.top && point.y < place.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

void CChartFrame::PaintEmpty(CDC& dc, const RECT& rect, const std::u16string& text) const
{
    CFont* oldFont = dc.SelectObject(m_title.get());
    const int width = std::min(420, static_cast<int>(rect.right - rect.left) - 20);
    if (width <= 0) {
        dc.SelectObject(oldFont);
        return;
    }
    RECT measured { 0, 0, width - 30, 0 };
    dc.DrawText(text, &measured, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    const int height = measured.bottom - measured.top + 30;
    const int left = (rect.left + rect.right - width) / 2;
    const int top = std::max(rect.top + 10, (rect.top + rect.bottom - height) / 2);
    const RECT box { left, top, left + width, top + height };
    PaintPlot(dc, box);
    RECT inside { box.left + 15, box.top + 15, box.right - 15, box.bottom - 15 };
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Ink);
    dc.DrawText(text, &inside, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(oldFont);
}

void CChartFrame::PaintValueAxis(CDC& dc, const RECT& plot, const RECT& inner, int top, bool right, COLORREF colour) const
{
    CPen grid(PS_SOLID, 1, Grid);
    CPen* oldPen = dc.SelectObject(&grid);
    CFont* oldFont = dc.SelectObject(m_label.get());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    for (int step = 0; step <= kAxisSteps; ++step) {
        const int value = top / kAxisSteps * step;
        const int y = ValueY(inner, value, top);
        if (!right && step > 0) {
            dc.MoveTo(plot.left + 1, y);
            dc.LineTo(plot.right - 1, y);
        }
        RECT number = right ? RECT { plot.right + kNumberGap, y - 10, plot.right + kWidestNumber, y + 10 }
                            : RECT { plot.left - kWidestNumber, y - 10, plot.left - kNumberGap, y + 10 };
        dc.DrawText(AxisNumber(value), &number, (right ? DT_LEFT : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
}

std::u16string CChartFrame::AxisNumber(int value)
{
    const std::u16string digits = IntToText(value);
    std::u16string grouped;
    const std::size_t first = value < 0 ? 1 : 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0)
            grouped += u'\u00A0';
        grouped += digits[i];
    }
    return grouped;
}

int CChartFrame::AxisRoom(CDC& dc, int top, int least) const
{
    CFont* oldFont = dc.SelectObject(m_label.get());
    // The top is the widest of the axis's numbers.
    const int widest = dc.GetTextExtent(AxisNumber(top)).cx;
    dc.SelectObject(oldFont);
    return std::max(least, widest + 2 * kNumberGap);
}

void CChartFrame::PaintPlot(CDC& dc, const RECT& plot)
{
    dc.FillSolidRect(&plot, Plot);
    FrameIn(dc, plot, Ink);
}

int CChartFrame::NiceTop(int highest)
{
    if (highest <= kAxisSteps)
        return kAxisSteps;
    // Round tops above this would not fit an int.
    if (highest > 1'000'000'000)
        return highest;
    // Steps between powers of ten whose fifths are whole numbers, close enough that the highest
    // bar fills most of the plot.
    static constexpr long long kSteps[] = { 10, 15, 20, 25, 30, 40, 50, 60, 80 };
    for (long long power = 1;; power *= 10) {
        for (const long long step : kSteps) {
            if (step * power >= highest)
                return static_cast<int>(step * power);
        }
    }
}

int CChartFrame::ValueY(const RECT& inner, int value, int top)
{
    const long long height = inner.bottom - inner.top;
    return inner.bottom - static_cast<int>(static_cast<long long>(value) * height / std::max(1, top));
}
