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

    void Paint(CDC* dc, CFont* font) const;

    const std::u16string& Text() const { return m_text; }
    COLORREF colour;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;

private:
    std::u16string m_text;
};
