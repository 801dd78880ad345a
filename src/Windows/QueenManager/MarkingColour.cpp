#include "MarkingColour.h"

#include "Brush.h"
#include "Dc.h"
#include "Pen.h"
#include "StringIds.h"
#include "Tr.h"

namespace {
// 0 stands for the years ending in 5 and 0, then white, yellow, red and green.
int PlaceInCode(int birthYear)
{
    return ((birthYear % 5) + 5) % 5;
}
}

COLORREF MarkingColour(int birthYear)
{
    static constexpr COLORREF kColours[] = { RGB(0, 90, 220), RGB(255, 255, 255), RGB(255, 215, 0),
        RGB(220, 30, 30), RGB(0, 160, 60) };
    return kColours[PlaceInCode(birthYear)];
}

std::u16string MarkingColourWord(int birthYear)
{
    return Tr(StringId::MarkingBlue + PlaceInCode(birthYear));
}

void DrawMarkingDot(CDC* dc, const RECT& square, int birthYear)
{
    CBrush fill(MarkingColour(birthYear));
    CPen outline(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* oldBrush = dc->SelectObject(&fill);
    CPen* oldPen = dc->SelectObject(&outline);
    dc->Ellipse(&square);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}
