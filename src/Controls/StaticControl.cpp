#include "StaticControl.h"

#include "Brush.h"
#include "Dc.h"
#include "Font.h"
#include "FontHelper.h"
#include "OwnerDraw.h"
#include "Pen.h"

#include <utility>

namespace {
constexpr COLORREF kCaptionColour = RGB(221, 165, 54);
}

CStaticControl::CStaticControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
    const std::vector<std::u16string> types = PropertyValues(u"type");
    if (!types.empty())
        m_type = types.front();
}

BOOL CStaticControl::Create(int x, int y, int width, int height, int style, const std::u16string& caption,
    CWnd* parent, UINT id)
{
    m_alignment = style;
    if (!CStatic::Create(caption, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, CRect(x, y, x + width, y + height), parent, id))
        return FALSE;
    FinishCreate();
    return TRUE;
}

void CStaticControl::SetValue(const std::u16string& value)
{
    m_value = value;
    if (IsCreated())
        SetWindowText(value);
}

void CStaticControl::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC* dc = item->hDC;
    CRect rect(item->rcItem);
    std::unique_ptr<CFont> font;
    if (m_type == u"header") {
        CPen border(PS_SOLID, 1, RGB(150, 150, 150));
        CBrush fill(kCaptionColour);
        CPen* oldPen = dc->SelectObject(&border);
        CBrush* oldBrush = dc->SelectObject(&fill);
        dc->Rectangle(&rect);
        dc->SelectObject(oldPen);
        dc->SelectObject(oldBrush);
        font = CreateFontHelper(true, u"MS Sans Serif", 16, false, false);
    } else if (m_type == u"header_1") {
        font = CreateFontHelper(true, u"MS Sans Serif", 14, false, false);
    }
    CFont* oldFont = dc->SelectObject(font ? font.get() : Font());
    dc->SetBkMode(TRANSPARENT);
    const UINT alignment = (m_alignment & 2) ? DT_RIGHT : (m_alignment & 1) ? DT_CENTER : DT_LEFT;
    dc->DrawText(m_value, &rect, alignment | DT_VCENTER | DT_SINGLELINE);
    dc->SelectObject(oldFont);
}
