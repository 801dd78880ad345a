#include "PrintSheets.h"

#include "Calendar.h"
#include "Dc.h"
#include "FontHelper.h"
#include "ItemTable.h"
#include "Pen.h"
#include "PrintablePage.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

CPrintSheets::CPrintSheets(IPrintablePage& page)
    : m_page(page)
    , m_titleFont(CreateFontHelper(true, u"Arial", 22, false, false))
    , m_smallFont(CreateFontHelper(false, u"Arial", 15, false, false))
    , m_printedOn(Tr(StringId::PrintPrintedOn) + u" " + FormatDateText(CurrentTime()))
{
}

CPrintSheets::~CPrintSheets() = default;

bool CPrintSheets::PrefersLandscape(const CSize& portraitArea)
{
    return m_page.WantsLandscape() || m_page.NaturalWidth() > portraitArea.cx;
}

int CPrintSheets::TitleWidth(int sheetWidth) const
{
    CClientDC dc(nullptr);
    CFont* oldFont = dc.SelectObject(m_smallFont.get());
    const int dateWidth = dc.GetTextExtent(m_printedOn).cx;
    dc.SelectObject(oldFont);
    return std::max(sheetWidth - dateWidth - 16, 1);
}

int CPrintSheets::Paginate(const CSize& area)
{
    const int lines = CItemTable::WrappedSize(m_page.Title(), TitleWidth(area.cx), m_titleFont.get()).cy;
    m_titleHeight = std::max(TitleHeight, lines + 16);
    m_sheets = std::max(1, m_page.Paginate(CSize(area.cx, area.cy - m_titleHeight - FooterHeight)));
    return m_sheets;
}

void CPrintSheets::PaintSheet(CDC& dc, const CRect& area, int sheet)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    CFont* oldFont = dc.SelectObject(m_smallFont.get());
    const CSize dateSize = dc.GetTextExtent(m_printedOn);
    const int titleBottom = area.top + m_titleHeight - 8;
    CRect date(area.right - dateSize.cx, area.top, area.right, titleBottom);
    dc.DrawText(m_printedOn, &date, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(m_titleFont.get());
    // The title's lines stand on the rule, as a one-line title does.
    CRect title(area.left, area.top, date.left - 16, titleBottom);
    CRect lines = title;
    dc.DrawText(m_page.Title(), &lines, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    title.top = std::max(area.top, titleBottom - lines.Height());
    dc.DrawText(m_page.Title(), &title, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    CPen rule(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&rule);
    dc.MoveTo(area.left, area.top + m_titleHeight - 4);
    dc.LineTo(area.right, area.top + m_titleHeight - 4);
    dc.SelectObject(oldPen);
    dc.SelectObject(m_smallFont.get());
    CRect footer(area.left, area.bottom - FooterHeight, area.right, area.bottom);
    dc.DrawText(IntToText(sheet + 1) + u" / " + IntToText(m_sheets), &footer,
        DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(oldFont);

    const CRect body(area.left, area.top + m_titleHeight, area.right, area.bottom - FooterHeight);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(body.left, body.top, body.right, body.bottom);
    m_page.PaintSheet(dc, body, sheet);
    dc.RestoreDC(saved);
}
