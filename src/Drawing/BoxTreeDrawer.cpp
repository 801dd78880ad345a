#include "BoxTreeDrawer.h"

#include "Brush.h"
#include "BufferedPaint.h"
#include "Dc.h"

namespace {
constexpr COLORREF kSelectedFill = RGB(221, 165, 54);
constexpr COLORREF kDimmedFill = RGB(226, 226, 226);
constexpr COLORREF kDimmedText = RGB(120, 120, 120);
}

CBoxTreeDrawer::CBoxTreeDrawer(CWnd* owner, int boxWidth, int boxHeight)
    : CDrawer(owner)
    , m_boxWidth(boxWidth)
    , m_boxHeight(boxHeight)
{
}

CBoxTreeDrawer::~CBoxTreeDrawer() = default;

void CBoxTreeDrawer::SetTopOffset(int offset)
{
    const int change = offset - m_topOffset;
    m_topOffset = offset;
    for (const auto& box : m_boxes) {
        if (box)
            box->y += change;
    }
}

void CBoxTreeDrawer::Select(Box* box)
{
    if (m_selected)
        m_selected->selected = false;
    m_selected = box;
    if (m_selected)
        m_selected->selected = true;
}

bool CBoxTreeDrawer::ClickAt(int x, int y)
{
    for (const auto& box : m_boxes) {
        if (box && x >= box->x && x < box->x + m_boxWidth && y >= box->y && y < box->y + m_boxHeight) {
            Select(box.get());
            SendToOwner(DrawerNotifyMessage, static_cast<WPARAM>(box->id), 0);
            return true;
        }
    }
    return false;
}

void CBoxTreeDrawer::PaintBox(CDC* dc, const Box& box, int left) const
{
    const int x = left + box.x;
    CBrush fill(box.selected ? kSelectedFill : box.dimmed ? kDimmedFill : GetSysColor(COLOR_BTNFACE));
    CBrush* oldBrush = dc->SelectObject(&fill);
    dc->Rectangle(x, box.y, x + m_boxWidth, box.y + m_boxHeight);
    dc->SelectObject(oldBrush);
    RECT text { x + 1, box.y + 1, x + m_boxWidth - 1, box.y + m_boxHeight - 1 };
    if (box.dimmed)
        dc->SetTextColor(kDimmedText);
    dc->DrawText(box.caption, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    if (box.dimmed)
        dc->SetTextColor(RGB(0, 0, 0));
}

void CBoxTreeDrawer::Draw(CDC* dc, int left, int top, int right, int bottom)
{
    PaintOffScreen(dc, CRect(left, top, right, bottom), RGB(255, 255, 255), [this, left, right](CDC& memory) {
        Paint(&memory, 0, right - left);
    });
}
