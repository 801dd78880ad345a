#include "CardsPrint.h"

#include "Dc.h"
#include "InfoDrawer.h"

CCardsPrint::CCardsPrint(
    CInfoDrawer& drawer, std::u16string title, PaintOver paintOver, std::function<void()> restoreScreen)
    : m_drawer(drawer)
    , m_title(std::move(title))
    , m_paintOver(std::move(paintOver))
    , m_restoreScreen(std::move(restoreScreen))
{
}

CCardsPrint::~CCardsPrint()
{
    m_restoreScreen();
}

int CCardsPrint::Paginate(const CSize& body)
{
    m_drawer.Layout(body.cx);
    m_sheetStarts = { 0 };
    int y = 0;
    for (int card = 0; card < m_drawer.CardCount(); ++card) {
        const int height = m_drawer.CardHeight(card);
        // A card taller than a sheet gets one of its own and is cut at its bottom.
        if (y > 0 && y + height > body.cy) {
            m_sheetStarts.push_back(card);
            y = 0;
        }
        y += height;
    }
    m_sheetStarts.push_back(m_drawer.CardCount());
    return static_cast<int>(m_sheetStarts.size()) - 1;
}

void CCardsPrint::PaintSheet(CDC& dc, const CRect& body, int sheet)
{
    const auto index = static_cast<std::size_t>(sheet);
    if (index + 1 >= m_sheetStarts.size())
        return;
    m_drawer.PaintCards(&dc, body.left, body.top, m_sheetStarts[index], m_sheetStarts[index + 1]);
    m_paintOver(dc, m_sheetStarts[index], m_sheetStarts[index + 1]);
}
