#include "STreeDrawer.h"

#include "Brush.h"
#include "Dc.h"
#include "Pen.h"

#include <algorithm>

namespace {
constexpr int kSlot = 110;
constexpr int kRowStep = 70;
}

CSTreeDrawer::CSTreeDrawer(CWnd* owner)
    : CBoxTreeDrawer(owner, BoxWidth, BoxHeight)
{
    m_boxes.resize(2);
}

CSTreeDrawer::~CSTreeDrawer() = default;

void CSTreeDrawer::Clear()
{
    m_boxes.clear();
    m_boxes.resize(2);
    m_selected = nullptr;
    m_topOffset = 0;
}

void CSTreeDrawer::SetQueen(int id, const std::u16string& caption)
{
    if (m_selected == m_boxes[1].get())
        m_selected = nullptr;
    m_boxes[1] = std::make_unique<Box>(Box { id, caption });
    Select(m_boxes[1].get());
}

void CSTreeDrawer::SetMother(int id, const std::u16string& caption)
{
    if (m_selected == m_boxes[0].get())
        m_selected = nullptr;
    m_boxes[0] = std::make_unique<Box>(Box { id, caption });
}

void CSTreeDrawer::AddDaughter(int id, const std::u16string& caption)
{
    m_boxes.push_back(std::make_unique<Box>(Box { id, caption }));
}

int CSTreeDrawer::Arrange(int width)
{
    const int centre = width / 2;
    if (m_boxes[0])
        *m_boxes[0] = Box { m_boxes[0]->id, m_boxes[0]->caption, centre - BoxWidth / 2, m_topOffset + 10, m_boxes[0]->selected };
    if (m_boxes[1])
        *m_boxes[1] = Box { m_boxes[1]->id, m_boxes[1]->caption, centre - BoxWidth / 2, m_topOffset + 80, m_boxes[1]->selected };
    const int perRow = std::max(width / kSlot, 1);
    int y = m_topOffset + 160;
    for (std::size_t first = 2; first < m_boxes.size(); first += static_cast<std::size_t>(perRow)) {
        const int inRow = static_cast<int>(std::min(m_boxes.size() - first, static_cast<std::size_t>(perRow)));
        const int slot = width / inRow;
        for (int j = 0; j < inRow; ++j) {
            Box& box = *m_boxes[first + static_cast<std::size_t>(j)];
            box.x = (slot - BoxWidth) / 2 + j * slot;
            box.y = y;
        }
        y += kRowStep;
    }
    return y;
}

void CSTreeDrawer::Paint(CDC* dc, int left, int width) const
{
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&black);
    CBrush blackBrush(RGB(0, 0, 0));
    CBrush* oldBrush = dc->SelectObject(&blackBrush);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    const int t = m_topOffset;
    const int c = left + width / 2;
    dc->MoveTo(c, t + 70);
    dc->LineTo(c, t + 80);
    if (m_boxes[0])
        PaintBox(dc, *m_boxes[0], left);
    else
        dc->Ellipse(c - 5, t + 60, c + 5, t + 70);
    if (m_boxes[1])
        PaintBox(dc, *m_boxes[1], left);
    else
        dc->Ellipse(c - 5, t + 80, c + 5, t + 90);
    dc->MoveTo(c, t + 140);
    dc->LineTo(c, t + 150);
    CPen dotted(PS_DOT, 1, RGB(0, 0, 0));
    dc->SelectObject(&dotted);
    dc->MoveTo(left, t + 150);
    dc->LineTo(left + width, t + 150);
    dc->SelectObject(&black);
    for (std::size_t i = 2; i < m_boxes.size(); ++i)
        PaintBox(dc, *m_boxes[i], left);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}
