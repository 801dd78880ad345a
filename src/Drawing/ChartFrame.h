#pragma once

#include "Font.h"
#include "GdiDefs.h"
#include "Rect.h"

#include <memory>
#include <string>
#include <vector>

class CDC;

// The parts every chart shares, in the look of the grids: the golden caption, a legend row whose
// entries can be hit, the value axis and the empty-state text. Painting needs only a context and
// a rectangle and change nothing, so the same calls paint on a window's buffer or on paper.
class CChartFrame
{
public:
    struct LegendEntry
    {
        std::u16string name;
        COLORREF colour;
        bool shown = true;
    };

    static constexpr COLORREF Caption = RGB(221, 165, 54);
    static constexpr COLORREF Plot = RGB(255, 255, 255);
    static constexpr COLORREF Grid = RGB(225, 225, 225);
    static constexpr COLORREF Ink = RGB(0, 0, 0);
    static constexpr COLORREF Faded = RGB(150, 150, 150);
    static constexpr int CaptionHeight = 26;
    static constexpr int LegendHeight = 24;

    CChartFrame();
    ~CChartFrame();

    // Fills the rectangle in the button face with the caption band across its top; returns the
    // rest below the band.
    RECT PaintCaption(CDC& dc, const RECT& rect, const std::u16string& title) const;
    // One row of entries from the left, a hidden one as an empty box with faded text; returns the
    // rest below the row and adds the place of each entry to places.
    RECT PaintLegend(CDC& dc, const RECT& rect, const std::vector<LegendEntry>& entries, std::vector<RECT>& places) const;
    // The index of the first place that holds the point, or -1.
    static int IndexAt(const std::vector<RECT>& places, POINT point);
    // The text centred in a framed white box in the middle of the rectangle.
    void PaintEmpty(CDC& dc, const RECT& rect, const std::u16string& text) const;
    // Grid lines with their numbers at 0, a fifth, ... up to top; the numbers go left of the plot,
    // or right of it (in that colour and without lines) for a second axis.
    void PaintValueAxis(CDC& dc, const RECT& plot, const RECT& inner, int top, bool right, COLORREF colour) const;
    // A value as an axis writes it, its thousands apart ("1 500 000").
    static std::u16string AxisNumber(int value);
    // The room beside the plot that the numbers of an axis up to top take, at least the least.
    int AxisRoom(CDC& dc, int top, int least) const;
    // The white plot with its black frame.
    static void PaintPlot(CDC& dc, const RECT& plot);

    // The least round number at or above the value (at least 5) whose fifths are whole numbers:
    // 10, 15, 20, 25, 30, 40, 50, 60 or 80 times a power of ten.
    static int NiceTop(int highest);
    // The y of a value of 0..top between the inner rectangle's bottom and top.
    static int ValueY(const RECT& inner, int value, int top);

    CFont* LabelFont() const { return m_label.get(); }

private:
    std::unique_ptr<CFont> m_title;
    std::unique_ptr<CFont> m_label;
};
