#include "TreePrint.h"

#include "Dc.h"
#include "FontHelper.h"
#include "BoxTreeDrawer.h"

#include <algorithm>

CTreePrint::CTreePrint(std::unique_ptr<CBoxTreeDrawer> drawer, std::u16string title)
    : m_drawer(std::move(drawer))
    , m_title(std::move(title))
    , m_font(CreateFontHelper(true, u"Arial", 16, false, false))
{
}

CTreePrint::~CTreePrint() = default;

int CTreePrint::Paginate(const CSize& body)
{
    m_captionHeight = MeasureText(m_title, 0, m_font.get()).cy + 8;
    m_drawer->SetTopOffset(0);
    const int height = m_drawer->Arrange(body.cx) + m_captionHeight;
    const int sheetHeight = std::max(1, static_cast<int>(body.cy));
    return std::max(1, (height + sheetHeight - 1) / sheetHeight);
}

void CTreePrint::PaintSheet(CDC& dc, const CRect& body, int sheet)
{
    const int top = body.top - sheet * body.Height();
    CFont* oldFont = dc.SelectObject(m_font.get());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    CRect caption(body.left, top, body.right, top + m_captionHeight);
    dc.DrawText(m_title, &caption, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    m_drawer->SetTopOffset(top + m_captionHeight);
    m_drawer->Paint(&dc, body.left, body.Width());
    dc.SelectObject(oldFont);
}
