#pragma once

#include "Rect.h"

class CDC;

// What a print job prints: sheets painted one after another into a device context whose unit is
// the screen's pixel (96 to the inch), so that the drawers paint on paper as they do on screen.
class IPrintDocument
{
public:
    virtual ~IPrintDocument() = default;
    // Whether the content needs a landscape sheet, given the printable size of a portrait one.
    virtual bool PrefersLandscape(const CSize& portraitArea) = 0;
    // Lays the content out on sheets of the printable size; returns the number of sheets (1 or more).
    virtual int Paginate(const CSize& area) = 0;
    virtual void PaintSheet(CDC& dc, const CRect& area, int sheet) = 0;
};
