#pragma once

#include "GdiObject.h"

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    BOOL CreatePen(int style, int width, COLORREF color)
    {
        m_style = style;
        m_width = width;
        m_color = color;
        m_created = true;
        return TRUE;
    }
    BOOL DeleteObject() override
    {
        m_created = false;
        return TRUE;
    }

    bool IsCreated() const { return m_created; }
    int GetStyle() const { return m_style; }
    // Width 0 draws one pixel, as width 1 does.
    int GetWidth() const { return m_width; }
    COLORREF GetColor() const { return m_color; }

private:
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
    bool m_created = false;
};
