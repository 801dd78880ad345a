#pragma once

#include "Wnd.h"

struct SCROLLINFO
{
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// A scroll bar control ("SCROLLBAR", SBS_HORZ or SBS_VERT). As on the desktop it does not move
// by itself: it sends WM_HSCROLL / WM_VSCROLL (code in the low word, thumb position in the high
// word, the bar as lParam) to its parent, and shows the position the parent sets.
class CScrollBar : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetScrollInfo(const SCROLLINFO* info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
    void SetScrollRange(int minimum, int maximum, BOOL redraw = TRUE);
    void GetScrollRange(int* minimum, int* maximum) const;
    int SetScrollPos(int position, BOOL redraw = TRUE);
    int GetScrollPos() const;
    void ShowScrollBar(BOOL show = TRUE);
};
