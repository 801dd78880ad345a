#pragma once

#include "WinDefs.h"

#include <string>

class CDC;
class CFont;

// What a grid cell and a column header share: a framed, filled rectangle with centred,
// word-wrapped text. x and y are rewritten on every layout and paint.
class CItemTable
{
public:
    CItemTable(std::u16string text, COLORREF colour);
    virtual ~CItemTable() = default;

    // Text that does not fit in the rectangle shows as one line ending in "…".
    void Paint(CDC* dc, CFont* font) const;
    // Whether the text, wrapped at the width, needs more room than the rectangle has.
    bool IsClipped(CFont* font) const;
    // The room the text takes wrapped as it is painted: its widest line (a word longer than the
    // width included) and the height of its lines; no width wraps only at line breaks.
    static SIZE WrappedSize(const std::u16string& text, int width, CFont* font);

    const std::u16string& Text() const { return m_text; }
    COLORREF colour;
    COLORREF textColour = RGB(0, 0, 0);
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;

private:
    // Whether the text needs more room than the rectangle, measured in the context's font.
    bool ClippedOn(CDC& dc) const;
    static SIZE WrappedSizeOn(CDC& dc, const std::u16string& text, int width);

    std::u16string m_text;
};
