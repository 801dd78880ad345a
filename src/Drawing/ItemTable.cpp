#include "ItemTable.h"

#include "Brush.h"
#include "Dc.h"
#include "Pen.h"
#include "Text.h"

namespace {
// Air between the frame and an elided text.
constexpr int kTextMargin = 4;
}

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
    dc->SetTextColor(textColour);
    if (ClippedOn(*dc)) {
        RECT inside { x + kTextMargin / 2, y, x + width - kTextMargin / 2, y + height };
        const std::u16string oneLine = ReplaceAll(ReplaceAll(m_text, u"\r", u""), u"\n", u" ");
        dc->DrawText(oneLine, &inside, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    } else {
        dc->DrawText(m_text, &rect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
    dc->SelectObject(oldFont);
}

bool CItemTable::IsClipped(CFont* font) const
{
    CClientDC dc(nullptr);
    CFont* oldFont = dc.SelectObject(font);
    const bool clipped = ClippedOn(dc);
    dc.SelectObject(oldFont);
    return clipped;
}

bool CItemTable::ClippedOn(CDC& dc) const
{
    if (m_text.empty())
        return false;
    const SIZE needed = WrappedSizeOn(dc, m_text, width);
    return needed.cx > width || needed.cy > height;
}

SIZE CItemTable::WrappedSize(const std::u16string& text, int width, CFont* font)
{
    CClientDC dc(nullptr);
    CFont* oldFont = dc.SelectObject(font);
    const SIZE size = WrappedSizeOn(dc, text, width);
    dc.SelectObject(oldFont);
    return size;
}

SIZE CItemTable::WrappedSizeOn(CDC& dc, const std::u16string& text, int width)
{
    RECT room { 0, 0, width > 0 ? width : 1000000, 0 };
    dc.DrawText(text, &room, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return SIZE { room.right - room.left, room.bottom - room.top };
}
