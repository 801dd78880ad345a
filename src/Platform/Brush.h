#pragma once

#include "GdiObject.h"

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color)
    {
        m_color = color;
        m_created = true;
        m_null = false;
        return TRUE;
    }
    // The brush that paints nothing (NULL_BRUSH).
    BOOL CreateNullBrush()
    {
        m_created = true;
        m_null = true;
        return TRUE;
    }
    BOOL DeleteObject() override
    {
        m_created = false;
        return TRUE;
    }

    bool IsCreated() const { return m_created; }
    bool IsNull() const { return !m_created || m_null; }
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color = 0;
    bool m_created = false;
    bool m_null = false;
};

// The desktop's colours: those the Qt controls are painted with (COLOR_BTNFACE, COLOR_WINDOW ...).
COLORREF GetSysColor(int index);
