#pragma once

#include "GdiDefs.h"

// The base of pens, brushes, fonts, bitmaps and regions. A device context uses the objects
// selected into it and copies what it needs, except bitmaps, which it draws into.
class CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Returns the object to its uncreated state.
    virtual BOOL DeleteObject() = 0;
};

// The shared stock objects (WHITE_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT,
// DEFAULT_GUI_FONT ...); null for an unknown number.
CGdiObject* GetStockObject(int object);
