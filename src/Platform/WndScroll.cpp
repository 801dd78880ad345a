#include "Wnd.h"

#include "ClassWindow.h"

namespace {
ClassWindow* WithBars(const CWnd* window)
{
    return dynamic_cast<ClassWindow*>(window->Native());
}

bool IsBar(int bar)
{
    return bar == SB_HORZ || bar == SB_VERT;
}
}

BOOL CWnd::SetScrollInfo(int bar, const SCROLLINFO* info, BOOL)
{
    ClassWindow* native = WithBars(this);
    if (!native || !info || !IsBar(bar))
        return FALSE;
    native->SetScrollInfo(bar, *info);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) const
{
    const ClassWindow* native = WithBars(this);
    if (!native || !info || !IsBar(bar) || !(mask & SIF_ALL))
        return FALSE;
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    native->GetScrollInfo(bar, info);
    return TRUE;
}

int CWnd::SetScrollPos(int bar, int position, BOOL redraw)
{
    const int previous = GetScrollPos(bar);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = position;
    return SetScrollInfo(bar, &info, redraw) ? previous : 0;
}

int CWnd::GetScrollPos(int bar) const
{
    SCROLLINFO info;
    return GetScrollInfo(bar, &info, SIF_POS) ? info.nPos : 0;
}

void CWnd::ShowScrollBar(UINT bar, BOOL show)
{
    ClassWindow* native = WithBars(this);
    if (!native)
        return;
    if (bar == SB_HORZ || bar == SB_BOTH)
        native->ShowScrollBar(SB_HORZ, show);
    if (bar == SB_VERT || bar == SB_BOTH)
        native->ShowScrollBar(SB_VERT, show);
}
