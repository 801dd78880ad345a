#include "QBeeView.h"

#include "BQManagerDialog.h"
#include "Brush.h"
#include "BufferedPaint.h"
#include "CardsPrint.h"
#include "Dc.h"
#include "JournalPrint.h"
#include "StringIds.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kLineStep = 10;
constexpr int kWheelStep = 30;
}

CQBeeView::CQBeeView(JournalState* state)
    : CEmptyViewJournal(state)
    , m_drawer(this)
{
}

int CQBeeView::OnCreate(CREATESTRUCT* create)
{
    if (CEmptyViewJournal::OnCreate(create) == -1)
        return -1;
    const RECT none {};
    m_horizontal.Create(WS_CHILD | SBS_HORZ, none, this, IdQueensHorizontalBar);
    m_vertical.Create(WS_CHILD | SBS_VERT, none, this, IdQueensVerticalBar);
    m_left = 0;
    m_top = 0;
    Refill();
    return 0;
}

std::unique_ptr<IPrintablePage> CQBeeView::PrintablePage()
{
    std::u16string title = Tr(StringId::PrintQueensTitle);
    if (Level() == 2)
        title = TitleWithSite(std::move(title), m_state->recordId);
    else if (Level() == 3)
        title = TitleWithColony(std::move(title), m_state->recordId);
    return std::make_unique<CCardsPrint>(
        m_drawer, std::move(title), [this](CDC& dc, int first, int last) { DrawOverCards(&dc, first, last); },
        [this] { Layout(); });
}

void CQBeeView::Refill()
{
    Fill();
    Layout();
    Invalidate();
}

InfoLine CQBeeView::Line(std::u16string text, int size, bool bold, bool italic)
{
    InfoLine line;
    line.text = std::move(text);
    line.fontHeight = size;
    line.bold = bold;
    line.italic = italic;
    return line;
}

InfoLine CQBeeView::Labelled(std::int32_t labelId, const std::u16string& value)
{
    return Line(Tr(labelId) + u" - " + value, 14);
}

int CQBeeView::Level() const
{
    return m_state->page - PageQueensOfAll + 1;
}

void CQBeeView::Layout()
{
    if (!m_vertical.IsCreated())
        return;
    RECT client {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = std::max(0, static_cast<int>(client.bottom - client.top) - PanelHeight());
    m_drawer.Layout(width);
    int content = m_drawer.GetTotalHeight();

    m_showHorizontal = width < ContentWidth;
    m_visibleWidth = width;
    m_visibleHeight = m_showHorizontal ? height - BarSize : height;
    m_showVertical = m_visibleHeight < content;
    if (m_showVertical) {
        m_visibleWidth = width - BarSize;
        // The cards wrap anew in the narrower width, which may make them taller.
        m_drawer.Layout(m_visibleWidth);
        content = m_drawer.GetTotalHeight();
        if (m_visibleWidth < ContentWidth && !m_showHorizontal) {
            m_showHorizontal = true;
            m_visibleHeight -= BarSize;
        }
    }
    m_visibleWidth = std::max(0, m_visibleWidth);
    m_visibleHeight = std::max(0, m_visibleHeight);

    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = ContentWidth - 1;
    info.nPage = static_cast<UINT>(m_visibleWidth);
    m_horizontal.SetScrollInfo(&info);
    info.nMax = std::max(0, content - 1);
    info.nPage = static_cast<UINT>(m_visibleHeight);
    m_vertical.SetScrollInfo(&info);
    m_horizontal.MoveWindow(0, m_visibleHeight, m_visibleWidth, BarSize);
    m_vertical.MoveWindow(m_visibleWidth, 0, BarSize, m_visibleHeight);
    m_horizontal.ShowScrollBar(m_showHorizontal);
    m_vertical.ShowScrollBar(m_showVertical);
    ApplyOffsets();
}

void CQBeeView::ApplyOffsets()
{
    const auto clampTo = [](CScrollBar& bar, int position) {
        SCROLLINFO info;
        bar.GetScrollInfo(&info, SIF_RANGE | SIF_PAGE);
        const int last = std::max(0, info.nMax + 1 - static_cast<int>(info.nPage));
        return std::clamp(position, 0, last);
    };
    // Each bar moves the cards only while it shows, so a hidden one never leaves them shifted.
    m_left = m_showHorizontal ? clampTo(m_horizontal, m_left) : 0;
    m_top = m_showVertical ? clampTo(m_vertical, m_top) : 0;
    m_horizontal.SetScrollPos(m_left);
    m_vertical.SetScrollPos(m_top);
    m_drawer.SetLeft(-m_left);
    m_drawer.SetTopOffset(-m_top);
    Invalidate();
}

void CQBeeView::OnSize(UINT type, int cx, int cy)
{
    CEmptyViewJournal::OnSize(type, cx, cy);
    Layout();
}

void CQBeeView::OnPaint()
{
    PaintBuffered(this, GetSysColor(COLOR_BTNFACE), [this](CDC& memory, const RECT& client) {
        if (m_visibleWidth > 0 && m_visibleHeight > 0) {
            m_drawer.Draw(&memory, 0, 0, m_visibleWidth, m_visibleHeight);
            DrawOverCards(&memory, 0, m_drawer.CardCount());
        }
        if (m_showHorizontal && m_showVertical) {
            const RECT corner { m_visibleWidth, m_visibleHeight, m_visibleWidth + BarSize, m_visibleHeight + BarSize };
            memory.FillSolidRect(&corner, GetSysColor(COLOR_BTNFACE));
        }
        if (PanelHeight() > 0)
            DrawPanel(&memory, { client.left, client.bottom - PanelHeight(), client.right, client.bottom });
    });
}

BOOL CQBeeView::OnEraseBkgnd(CDC*)
{
    // OnPaint covers the whole client area.
    return TRUE;
}

void CQBeeView::ScrollBar(CScrollBar& bar, int& position, UINT code, UINT thumb, int line)
{
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
    default: return;
    }
    ApplyOffsets();
}

void CQBeeView::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    ScrollBar(m_horizontal, m_left, code, position, kLineStep);
}

void CQBeeView::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    ScrollBar(m_vertical, m_top, code, position, kLineStep);
}

BOOL CQBeeView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (m_showVertical) {
        m_top += delta > 0 ? -kWheelStep : kWheelStep;
        ApplyOffsets();
    }
    return TRUE;
}

void CQBeeView::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    if (point.x >= m_visibleWidth || point.y >= m_visibleHeight)
        return;
    m_drawer.OnMouse(WM_LBUTTONDOWN, point.x, point.y);
    OnSelectionChanged();
    Invalidate();
}

void CQBeeView::OnLButtonUp(UINT, CPoint point)
{
    if (m_drawer.OnMouse(WM_LBUTTONUP, point.x, point.y))
        Invalidate();
}

void CQBeeView::OnMouseMove(UINT, CPoint point)
{
    m_drawer.OnMouse(WM_MOUSEMOVE, point.x, point.y);
    Invalidate();
}

void CQBeeView::OnMouseLeave()
{
    m_drawer.OnMouse(WM_MOUSELEAVE, 0, 0);
    Invalidate();
}

LRESULT CQBeeView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DrawerNotifyMessage) {
        OpenManager();
        return 0;
    }
    return CEmptyViewJournal::WindowProc(message, wParam, lParam);
}

void CQBeeView::OpenManager()
{
    const int card = m_drawer.Selected();
    if (card < 0)
        return;
    CBQManagerDialog manager(Level(), static_cast<std::int32_t>(m_drawer.Data(card)), this);
    manager.DoModal();
    // What the manager changed shows at once, not only when the page is next prepared.
    Refill();
    OnSelectionChanged();
}
