#pragma once

#include "Rect.h"

#include <string>

class CDC;

// A page of the journal as it goes on paper: content painted into a device context within a
// rectangle, sheet by sheet. The frame of each sheet (title, date of printing, page numbers) is
// the printout's; a page that fits one sheet answers 0 and 1 to the first two questions.
class IPrintablePage
{
public:
    virtual ~IPrintablePage() = default;
    virtual std::u16string Title() const = 0;
    // The width the content needs without shrinking; 0 when it fits any width.
    virtual int NaturalWidth() const = 0;
    // Whether it goes on a landscape sheet whatever its width, as a form filled in by hand does.
    virtual bool WantsLandscape() const { return false; }
    // Lays the content out in bodies of that size; returns the number of sheets.
    virtual int Paginate(const CSize& body) = 0;
    virtual void PaintSheet(CDC& dc, const CRect& body, int sheet) = 0;
};
