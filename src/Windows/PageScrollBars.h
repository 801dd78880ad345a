#pragma once

#include "ScrollBar.h"

class CDC;

// The two scroll bars of a page whose content may be larger than the page: the page decides which
// it needs, they sit along the right and bottom edges of what shows, and they keep the content's
// offsets within its size.
class CPageScrollBars
{
public:
    static constexpr int BarSize = 17;

    void Create(CWnd* page, UINT horizontalId, UINT verticalId);
    bool IsCreated() const { return m_vertical.IsCreated(); }
    // Shows the bars asked for beside the visible area, sets their ranges to the content's size and
    // brings the offsets within it.
    void Place(bool horizontal, bool vertical, int visibleWidth, int visibleHeight, int contentWidth, int contentHeight);
    // Moves by a bar's message; false for one that moves nothing.
    bool OnScroll(bool vertical, UINT code, UINT thumb, int line);
    // A wheel turn moves by the step while the vertical bar shows; false otherwise.
    bool OnWheel(short delta, int step);
    void Reset();
    // The square between the two bars, in the page's colour.
    void PaintCorner(CDC& dc) const;

    // How far the content is scrolled: 0 along a bar that does not show.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int VisibleWidth() const { return m_visibleWidth; }
    int VisibleHeight() const { return m_visibleHeight; }

private:
    void Clamp();

    CScrollBar m_horizontal;
    CScrollBar m_vertical;
    bool m_showHorizontal = false;
    bool m_showVertical = false;
    int m_visibleWidth = 0;
    int m_visibleHeight = 0;
    int m_left = 0;
    int m_top = 0;
};
