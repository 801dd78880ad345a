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
    m_bars.Create(this, IdQueensHorizontalBar, IdQueensVerticalBar);
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
    if (!m_bars.IsCreated())
        return;
    RECT client {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = std::max(0, static_cast<int>(client.bottom - client.top) - PanelHeight());
    m_drawer.Layout(width);
    int content = m_drawer.GetTotalHeight();

    bool showHorizontal = width < ContentWidth;
    int visibleWidth = width;
    int visibleHeight = showHorizontal ? height - BarSize : height;
    const bool showVertical = visibleHeight < content;
    if (showVertical) {
        visibleWidth = width - BarSize;
        // The cards wrap anew in the narrower width, which may make them taller.
        m_drawer.Layout(visibleWidth);
        content = m_drawer.GetTotalHeight();
        if (visibleWidth < ContentWidth && !showHorizontal) {
            showHorizontal = true;
            visibleHeight -= BarSize;
        }
    }
    m_bars.Place(showHorizontal, showVertical, visibleWidth, visibleHeight, ContentWidth, content);
    ApplyOffsets();
}

void CQBeeView::ApplyOffsets()
{
    m_drawer.SetLeft(-m_bars.Left());
    m_drawer.SetTopOffset(-m_bars.Top());
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
        if (m_bars.VisibleWidth() > 0 && m_bars.VisibleHeight() > 0) {
            m_drawer.Draw(&memory, 0, 0, m_bars.VisibleWidth(), m_bars.VisibleHeight());
            DrawOverCards(&memory, 0, m_drawer.CardCount());
        }
        m_bars.PaintCorner(memory);
        if (PanelHeight() > 0)
            DrawPanel(&memory, { client.left, client.bottom - PanelHeight(), client.right, client.bottom });
    });
}

BOOL CQBeeView::OnEraseBkgnd(CDC*)
{
    // OnPaint covers the whole client area.
    return TRUE;
}

void CQBeeView::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    if (m_bars.OnScroll(false, code, position, kLineStep))
        ApplyOffsets();
}

void CQBeeView::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    if (m_bars.OnScroll(true, code, position, kLineStep))
        ApplyOffsets();
}

BOOL CQBeeView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (m_bars.OnWheel(delta, kWheelStep))
        ApplyOffsets();
    return TRUE;
}

void CQBeeView::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    if (point.x >= m_bars.VisibleWidth() || point.y >= m_bars.VisibleHeight())
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
