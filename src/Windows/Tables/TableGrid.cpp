#include "TableGrid.h"

#include "LayoutStore.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int kColumnCursor = 118;
constexpr int kRowCursor = 111;
constexpr int kLineStep = 20;
constexpr int kWheelStep = 3 * kLineStep;

// The scroll bar parts a held button repeats, with the step each repeats.
struct HeldPart
{
    int part;
    UINT code;
};
constexpr HeldPart kHeldParts[] { { 1, SB_LINEUP }, { 2, SB_PAGEUP }, { 4, SB_PAGEDOWN }, { 5, SB_LINEDOWN } };
}

CTableGrid::CTableGrid(CWnd* owner)
    : m_drawer(owner)
{
}

void CTableGrid::Create(CWnd* page, UINT horizontalId, UINT verticalId)
{
    m_horizontal.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 0, 0), page, horizontalId);
    m_vertical.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), page, verticalId);
    Refresh();
}

void CTableGrid::SetArea(const RECT& area)
{
    m_area = area;
    Refresh();
}

int CTableGrid::BarWidth(const CScrollBar& bar) const
{
    return bar.IsCreated() && bar.IsWindowVisible() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
}

void CTableGrid::Refresh()
{
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    // The columns take the width left beside the vertical scroll bar, when the rows need one.
    const bool rowsOverflow = m_drawer.TotalHeight() + m_drawer.BarHeight() > m_area.Height();
    m_drawer.FitToWidth(m_area.Width() - (rowsOverflow ? thickness : 0));
    const std::int64_t contentHeight = m_drawer.TotalHeight() + m_drawer.BarHeight();
    const int contentWidth = m_drawer.TotalWidth();
    bool vertical = contentHeight > m_area.Height();
    const bool horizontal = contentWidth > m_area.Width() - (vertical ? thickness : 0);
    if (horizontal && !vertical)
        vertical = contentHeight > m_area.Height() - thickness;
    const int pageHeight = std::max(m_area.Height() - (horizontal ? thickness : 0), 1);
    const int pageWidth = std::max(m_area.Width() - (vertical ? thickness : 0), 1);

    auto place = [](CScrollBar& bar, bool shown, const CRect& rect, std::int64_t content, int page) {
        if (!bar.IsCreated())
            return;
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = static_cast<int>(std::min<std::int64_t>(content, INT_MAX)) - 1;
        info.nPage = static_cast<UINT>(page);
        bar.SetScrollInfo(&info);
        if (!shown)
            bar.SetScrollPos(0);
        bar.MoveWindow(rect);
        bar.ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    place(m_vertical, vertical, CRect(m_area.right - thickness, m_area.top, m_area.right, m_area.top + pageHeight),
        contentHeight, pageHeight);
    place(m_horizontal, horizontal,
        CRect(m_area.left, m_area.bottom - thickness, m_area.left + pageWidth, m_area.bottom), contentWidth, pageWidth);
    Apply();
}

void CTableGrid::Apply()
{
    const int top = BarWidth(m_vertical) ? m_vertical.GetScrollPos() : 0;
    if (top == 0)
        m_drawer.ScrollToTop();
    else
        m_drawer.SetVerticalOffset(top);
    m_drawer.SetHorizontalOffset(BarWidth(m_horizontal) ? -m_horizontal.GetScrollPos() : 0);
}

void CTableGrid::Draw(CDC* dc)
{
    const int right = m_area.right - BarWidth(m_vertical);
    const int bottom = m_area.bottom - BarWidth(m_horizontal);
    if (right > m_area.left && bottom > m_area.top)
        m_drawer.Draw(dc, m_area.left, m_area.top, right, bottom);
}

HCURSOR CTableGrid::CursorAt(CPoint point) const
{
    const CPoint local = point - m_area.TopLeft();
    if (m_draggedColumn || m_drawer.HitColumnBorder(local.x, local.y))
        return LoadCursor(kColumnCursor);
    if (m_drawer.HitRowBorder(local.x, local.y))
        return LoadCursor(kRowCursor);
    return LoadCursor(IDC_ARROW);
}

bool CTableGrid::BeginDrag(CPoint point)
{
    const CPoint local = point - m_area.TopLeft();
    m_draggedColumn = m_drawer.HitColumnBorder(local.x, local.y);
    if (m_draggedColumn)
        return true;
    return m_drawer.HitRowBorder(local.x, local.y) && m_drawer.BeginRowResize(local.y);
}

void CTableGrid::Drag(CPoint point)
{
    const CPoint local = point - m_area.TopLeft();
    // Refresh spreads the widths again and sizes the headers.
    if (m_draggedColumn) {
        m_draggedColumn->SetDraggedWidth(std::max(kSmallestLayoutSize, local.x - m_draggedColumn->x));
    } else if (TableRow* row = m_drawer.ResizedRow()) {
        m_drawer.SetRowHeight(row, std::max(kSmallestLayoutSize, local.y - row->y));
    }
    Refresh();
}

void CTableGrid::EndDrag()
{
    m_draggedColumn = nullptr;
    m_drawer.EndRowResize();
}

std::u16string CTableGrid::ClippedTextAt(CPoint point) const
{
    const CPoint local = point - m_area.TopLeft();
    return Contains(point) ? m_drawer.ClippedTextAt(local.x, local.y) : std::u16string();
}

bool CTableGrid::IsRowAt(CPoint point) const
{
    const CPoint local = point - m_area.TopLeft();
    return Contains(point) && m_drawer.RowAt(local.x, local.y);
}

bool CTableGrid::SelectAt(CPoint point)
{
    const TableRow* before = m_drawer.SelectedRow();
    const CPoint local = point - m_area.TopLeft();
    m_drawer.SelectRowAt(local.x, local.y);
    return m_drawer.SelectedRow() != before;
}

bool CTableGrid::SelectNeighbour(bool next)
{
    TableRow* selected = m_drawer.SelectedRow();
    if (!selected) {
        m_drawer.SelectFirstRow();
        return m_drawer.SelectedRow() != nullptr;
    }
    TableRow* neighbour = next ? selected->next : selected->previous;
    if (!neighbour)
        return false;
    m_drawer.SelectRow(neighbour);
    return true;
}

void CTableGrid::Scroll(const CScrollBar* bar, UINT code)
{
    CScrollBar& target = bar == &m_horizontal ? m_horizontal : m_vertical;
    SCROLLINFO info;
    target.GetScrollInfo(&info, SIF_ALL);
    int moved = info.nPos;
    switch (code) {
    case SB_LINEUP: moved -= kLineStep; break;
    case SB_LINEDOWN: moved += kLineStep; break;
    case SB_PAGEUP: moved -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: moved += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: moved = info.nTrackPos; break;
    case SB_TOP: moved = info.nMin; break;
    case SB_BOTTOM: moved = info.nMax; break;
    case SB_WHEELUP: moved -= kWheelStep; break;
    case SB_WHEELDOWN: moved += kWheelStep; break;
    default: return;
    }
    target.SetScrollPos(moved);
    Apply();
}

bool CTableGrid::RepeatHeldScroll()
{
    bool moved = false;
    for (CScrollBar* bar : { &m_horizontal, &m_vertical }) {
        SCROLLBARINFO info;
        if (!BarWidth(*bar) || !bar->GetScrollBarInfo(&info))
            continue;
        for (const HeldPart& held : kHeldParts) {
            if (!(info.rgstate[held.part] & STATE_SYSTEM_PRESSED))
                continue;
            const int before = bar->GetScrollPos();
            Scroll(bar, held.code);
            moved = moved || bar->GetScrollPos() != before;
        }
    }
    return moved;
}

bool CTableGrid::Wheel(CPoint point, int delta)
{
    if (!BarWidth(m_vertical))
        return false;
    const CRect rows(m_area.left, m_area.top, m_area.right - BarWidth(m_vertical),
        m_area.bottom - BarWidth(m_horizontal));
    if (!rows.PtInRect(point))
        return false;
    Scroll(&m_vertical, delta > 0 ? SB_WHEELUP : SB_WHEELDOWN);
    return true;
}
