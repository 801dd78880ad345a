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

// States of the parts of a scroll bar in SCROLLBARINFO.
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr int CCHILDREN_SCROLLBAR = 5;

// rgstate: 0 the bar, 1 the up (left) arrow, 2 the page above (left of) the thumb, 3 the thumb,
// 4 the page below (right of) it, 5 the down (right) arrow. Thumb offsets are from the bar's
// top (left), the bar's rectangle is in screen coordinates.
struct SCROLLBARINFO
{
    DWORD cbSize = sizeof(SCROLLBARINFO);
    RECT rcScrollBar {};
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[CCHILDREN_SCROLLBAR + 1] {};
};

// A scroll bar control ("SCROLLBAR", SBS_HORZ or SBS_VERT). As on the desktop it does not move
// by itself: it sends WM_HSCROLL / WM_VSCROLL (code in the low word, thumb position in the high
// word, the bar as lParam) to its parent, and shows the position the parent sets. A press on an
// arrow or a page area steps once; the program repeats the step while GetScrollBarInfo shows the
// part pressed. SB_ENDSCROLL follows every step and thumb drag when the button goes up.
class CScrollBar : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetScrollInfo(const SCROLLINFO* info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int position, BOOL redraw = TRUE);
    int GetScrollPos() const;
    BOOL GetScrollBarInfo(SCROLLBARINFO* info) const;
    void ShowScrollBar(BOOL show = TRUE);
};
