#include "ItemTable.h"

#include "Brush.h"
#include "Dc.h"
#include "Pen.h"

CItemTable::CItemTable(std::u16string text, COLORREF itemColour)
    : colour(itemColour)
    , m_text(std::move(text))
{
}

void CItemTable::Paint(CDC* dc, CFont* font) const
{
    RECT rect { x, y, x + width, y + height };
    dc->FillSolidRect(&rect, colour);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&black);
    dc->MoveTo(x, y);
    dc->LineTo(x + width, y);
    dc->LineTo(x + width, y + height);
    dc->LineTo(x, y + height);
    dc->LineTo(x, y);
    dc->SelectObject(oldPen);
    CFont* oldFont = dc->SelectObject(font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    dc->DrawText(m_text, &rect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    dc->SelectObject(oldFont);
}
