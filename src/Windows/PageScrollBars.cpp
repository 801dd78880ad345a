#include "PageScrollBars.h"

#include "Brush.h"
#include "Dc.h"

#include <algorithm>

void CPageScrollBars::Create(CWnd* page, UINT horizontalId, UINT verticalId)
{
    const RECT none {};
    m_horizontal.Create(WS_CHILD | SBS_HORZ, none, page, horizontalId);
    m_vertical.Create(WS_CHILD | SBS_VERT, none, page, verticalId);
    Reset();
}

void CPageScrollBars::Reset()
{
    m_left = 0;
    m_top = 0;
}

void CPageScrollBars::Place(
    bool horizontal, bool vertical, int visibleWidth, int visibleHeight, int contentWidth, int contentHeight)
{
    m_showHorizontal = horizontal;
    m_showVertical = vertical;
    m_visibleWidth = std::max(0, visibleWidth);
    m_visibleHeight = std::max(0, visibleHeight);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = std::max(0, contentWidth - 1);
    info.nPage = static_cast<UINT>(m_visibleWidth);
    m_horizontal.SetScrollInfo(&info);
    info.nMax = std::max(0, contentHeight - 1);
    info.nPage = static_cast<UINT>(m_visibleHeight);
    m_vertical.SetScrollInfo(&info);
    m_horizontal.MoveWindow(0, m_visibleHeight, m_visibleWidth, BarSize);
    m_vertical.MoveWindow(m_visibleWidth, 0, BarSize, m_visibleHeight);
    m_horizontal.ShowScrollBar(m_showHorizontal);
    m_vertical.ShowScrollBar(m_showVertical);
    Clamp();
}

void CPageScrollBars::Clamp()
{
    const auto clampTo = [](CScrollBar& bar, int position) {
        SCROLLINFO info;
        bar.GetScrollInfo(&info, SIF_RANGE | SIF_PAGE);
        const int last = std::max(0, info.nMax + 1 - static_cast<int>(info.nPage));
        return std::clamp(position, 0, last);
    };
    // Each bar moves the content only while it shows, so a hidden one never leaves it shifted.
    m_left = m_showHorizontal ? clampTo(m_horizontal, m_left) : 0;
    m_top = m_showVertical ? clampTo(m_vertical, m_top) : 0;
    m_horizontal.SetScrollPos(m_left);
    m_vertical.SetScrollPos(m_top);
}

bool CPageScrollBars::OnScroll(bool vertical, UINT code, UINT thumb, int line)
{
    CScrollBar& bar = vertical ? m_vertical : m_horizontal;
    int& position = vertical ? m_top : m_left;
    SCROLLINFO info;
    bar.GetScrollInfo(&info, SIF_PAGE);
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = static_cast<int>(thumb); break;
    default: return false;
    }
    Clamp();
    return true;
}

bool CPageScrollBars::OnWheel(short delta, int step)
{
    if (!m_showVertical)
        return false;
    m_top += delta > 0 ? -step : step;
    Clamp();
    return true;
}

void CPageScrollBars::PaintCorner(CDC& dc) const
{
    if (!m_showHorizontal || !m_showVertical)
        return;
    const RECT corner { m_visibleWidth, m_visibleHeight, m_visibleWidth + BarSize, m_visibleHeight + BarSize };
    dc.FillSolidRect(&corner, GetSysColor(COLOR_BTNFACE));
}
