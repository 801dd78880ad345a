#include "GLWin.h"

#include "Dc.h"
#include "FamilyTree.h"
#include "Font.h"
#include "FontHelper.h"
#include "ScrollBar.h"
#include "STreeDrawer.h"
#include "StringIds.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kLineStep = 10;
constexpr int kWheelStep = 30;
}

CGLWin::CGLWin()
    : CDialogWnd(Place, Id, WS_VSCROLL)
    , m_drawer(std::make_unique<CSTreeDrawer>(this))
    , m_emptyFont(CreateFontHelper(true, u"Arial", 20, false, false))
{
}

CGLWin::~CGLWin() = default;

void CGLWin::SetQueen(std::int32_t idQueenBee)
{
    m_hasQueen = FillFamilyTree(*m_drawer, idQueenBee);
    if (IsCreated())
        SetScrollPos(SB_VERT, 0);
    Arrange();
}

void CGLWin::Arrange()
{
    // Showing or hiding the bar resizes the client area, which arranges again.
    if (!IsCreated() || m_arranging)
        return;
    m_arranging = true;
    CRect client;
    GetClientRect(&client);
    m_drawer->SetTopOffset(0);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = m_hasQueen ? m_drawer->Arrange(client.Width()) : 0;
    info.nPage = static_cast<UINT>(client.Height());
    SetScrollInfo(SB_VERT, &info);
    GetClientRect(&client);
    if (m_hasQueen)
        m_drawer->Arrange(client.Width());
    m_arranging = false;
    ScrollTo(GetScrollPos(SB_VERT));
}

void CGLWin::ScrollTo(int position)
{
    SCROLLINFO info;
    GetScrollInfo(SB_VERT, &info, SIF_RANGE | SIF_PAGE);
    const int last = std::max(info.nMax - static_cast<int>(info.nPage) + 1, 0);
    position = std::clamp(position, 0, last);
    SetScrollPos(SB_VERT, position);
    m_drawer->SetTopOffset(-position);
    Invalidate();
}

void CGLWin::OnSize(UINT type, int cx, int cy)
{
    CDialogWnd::OnSize(type, cx, cy);
    Arrange();
}

void CGLWin::OnVScroll(UINT code, UINT position, CScrollBar* scrollBar)
{
    CRect client;
    GetClientRect(&client);
    const int current = GetScrollPos(SB_VERT);
    switch (code) {
    case SB_LINEUP:
        ScrollTo(current - kLineStep);
        break;
    case SB_LINEDOWN:
        ScrollTo(current + kLineStep);
        break;
    case SB_PAGEUP:
        ScrollTo(current - client.Height());
        break;
    case SB_PAGEDOWN:
        ScrollTo(current + client.Height());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(static_cast<int>(position));
        break;
    default:
        CDialogWnd::OnVScroll(code, position, scrollBar);
    }
}

BOOL CGLWin::OnMouseWheel(UINT, short delta, CPoint)
{
    ScrollTo(GetScrollPos(SB_VERT) - delta / WHEEL_DELTA * kWheelStep);
    return TRUE;
}

void CGLWin::OnLButtonDown(UINT flags, CPoint point)
{
    if (m_hasQueen && m_drawer->ClickAt(point.x, point.y))
        Invalidate();
    CDialogWnd::OnLButtonDown(flags, point);
}

LRESULT CGLWin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DrawerNotifyMessage) {
        if (CWnd* parent = GetParent())
            parent->SendMessage(GenealogyChosenMessage, wParam, 0);
        return 0;
    }
    return CDialogWnd::WindowProc(message, wParam, lParam);
}

void CGLWin::Paint(CDC* dc, const CRect& client)
{
    if (m_hasQueen)
        m_drawer->Draw(dc, client.left, client.top, client.right, client.bottom);
    else
        DrawCentred(dc, client, Tr(StringId::NoQueenChosen), m_emptyFont.get());
}
