#pragma once

#include "Cursor.h"
#include "Rect.h"
#include "ScrollBar.h"
#include "TableDrawer.h"

// A table drawer as a page uses it: its place in the page, its two scroll bars (children of the
// page) and what the mouse and the keys do to it. The drawer paints from the area's top left
// corner, so page coordinates are turned into area ones here.
class CTableGrid
{
public:
    explicit CTableGrid(CWnd* owner);

    CTableDrawer& Drawer() { return m_drawer; }
    const CTableDrawer& Drawer() const { return m_drawer; }

    // Creates the scroll bars in the page window (hidden until there is something to scroll).
    void Create(CWnd* page, UINT horizontalId, UINT verticalId);
    void SetArea(const RECT& area);
    const CRect& Area() const { return m_area; }
    // After the rows or the column widths changed: new scroll ranges, the position kept in them.
    void Refresh();
    void Draw(CDC* dc);

    bool Contains(CPoint point) const { return m_area.PtInRect(point) != FALSE; }
    // The whole text of a cell (or header) at the point that shows it cut short, else empty.
    std::u16string ClippedTextAt(CPoint point) const;
    // The sizing cursors over a column's right border or a row's bottom border, else the arrow.
    HCURSOR CursorAt(CPoint point) const;
    // Starts sizing the column or row whose border is at the point; false when there is none.
    bool BeginDrag(CPoint point);
    bool IsDragging() const { return m_draggedColumn || m_drawer.ResizedRow(); }
    void Drag(CPoint point);
    void EndDrag();

    bool IsRowAt(CPoint point) const;
    // Each returns whether the selected row changed.
    bool SelectAt(CPoint point);
    // The row before or after the selected one; with none selected, the first row.
    bool SelectNeighbour(bool next);

    bool OwnsBar(const CScrollBar* bar) const { return bar == &m_horizontal || bar == &m_vertical; }
    // A scroll bar code, or SB_WHEELUP / SB_WHEELDOWN; thumb codes take the thumb's place, which
    // (unlike the message's 16 bits) reaches the whole range.
    void Scroll(const CScrollBar* bar, UINT code);
    // Steps once more along a scroll bar part the user holds down; true when the grid moved.
    bool RepeatHeldScroll();
    // One wheel step over the rows, while the vertical bar shows; true when it was taken.
    bool Wheel(CPoint point, int delta);

private:
    int BarWidth(const CScrollBar& bar) const;
    void Apply();

    CTableDrawer m_drawer;
    CScrollBar m_horizontal;
    CScrollBar m_vertical;
    CRect m_area;
    CTableHeader* m_draggedColumn = nullptr;
};
