#include "ColonyTreeView.h"

#include "BufferedPaint.h"
#include "ColonyLineage.h"
#include "Brush.h"
#include "Dc.h"
#include "EventManager.h"
#include "Font.h"
#include "FontHelper.h"
#include "JournalAction.h"
#include "JournalPrint.h"
#include "StringIds.h"
#include "TreePrint.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr int kLineStep = 20;
constexpr int kWheelStep = 60;
constexpr int kNoticeHeight = 40;
}

CColonyTreeView::CColonyTreeView(JournalState* state)
    : CEmptyViewJournal(state)
    , m_drawer(this)
    , m_subscription(this, { EventPointsChanged, EventFamiliesChanged })
    , m_noticeFont(CreateFontHelper(true, u"Arial", 16, false, false))
{
}

CColonyTreeView::~CColonyTreeView() = default;

void CColonyTreeView::Prepare()
{
    m_state->page = PageColonyTree;
}

bool CColonyTreeView::Accepts(int tab, int kind, int action)
{
    return tab == kFamilyTreeTab && kind == NodeColony && action == ActionShowList;
}

std::unique_ptr<IPrintablePage> CColonyTreeView::PrintablePage()
{
    auto drawer = std::make_unique<CColonyTreeDrawer>(nullptr);
    FillColonyTree(*drawer, m_state->recordId);
    return std::make_unique<CTreePrint>(
        std::move(drawer), TitleWithColony(Tr(StringId::ColonyTreePrintTitle), m_state->recordId));
}

void CColonyTreeView::OnEvent()
{
    if (!CWnd::IsCreated())
        return;
    Fill();
    Layout();
}

void CColonyTreeView::Fill()
{
    m_hasTree = FillColonyTree(m_drawer, m_state->recordId);
    m_notice = m_hasTree && !m_drawer.HasLineage() ? Tr(StringId::ColonyNoLineage) : std::u16string();
}

int CColonyTreeView::OnCreate(CREATESTRUCT* create)
{
    if (CEmptyViewJournal::OnCreate(create) == -1)
        return -1;
    const RECT none {};
    m_horizontal.Create(WS_CHILD | SBS_HORZ, none, this, IdTreeHorizontalBar);
    m_vertical.Create(WS_CHILD | SBS_VERT, none, this, IdTreeVerticalBar);
    m_left = 0;
    m_top = 0;
    Fill();
    Layout();
    return 0;
}

void CColonyTreeView::Layout()
{
    if (!m_vertical.IsCreated())
        return;
    RECT client {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    m_drawer.SetTopOffset(0);
    m_drawer.SetLeftOffset(0);
    m_treeHeight = m_hasTree ? m_drawer.Arrange(width) + (m_notice.empty() ? 0 : kNoticeHeight) : 0;
    const int treeWidth = m_hasTree ? m_drawer.Width() : 0;
    // Each bar takes room from the other direction, which may make that one needed too.
    m_showHorizontal = treeWidth > width;
    m_showVertical = m_treeHeight > height - (m_showHorizontal ? BarSize : 0);
    m_showHorizontal = treeWidth > width - (m_showVertical ? BarSize : 0);
    m_visibleWidth = std::max(0, width - (m_showVertical ? BarSize : 0));
    m_visibleHeight = std::max(0, height - (m_showHorizontal ? BarSize : 0));
    if (m_hasTree)
        m_drawer.Arrange(m_visibleWidth);

    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = std::max(0, treeWidth - 1);
    info.nPage = static_cast<UINT>(m_visibleWidth);
    m_horizontal.SetScrollInfo(&info);
    info.nMax = std::max(0, m_treeHeight - 1);
    info.nPage = static_cast<UINT>(m_visibleHeight);
    m_vertical.SetScrollInfo(&info);
    m_horizontal.MoveWindow(0, m_visibleHeight, m_visibleWidth, BarSize);
    m_vertical.MoveWindow(m_visibleWidth, 0, BarSize, m_visibleHeight);
    m_horizontal.ShowScrollBar(m_showHorizontal);
    m_vertical.ShowScrollBar(m_showVertical);
    ApplyOffsets();
}

void CColonyTreeView::ApplyOffsets()
{
    const auto clampTo = [](CScrollBar& bar, int position) {
        SCROLLINFO info;
        bar.GetScrollInfo(&info, SIF_RANGE | SIF_PAGE);
        return std::clamp(position, 0, std::max(0, info.nMax + 1 - static_cast<int>(info.nPage)));
    };
    m_left = m_showHorizontal ? clampTo(m_horizontal, m_left) : 0;
    m_top = m_showVertical ? clampTo(m_vertical, m_top) : 0;
    m_horizontal.SetScrollPos(m_left);
    m_vertical.SetScrollPos(m_top);
    m_drawer.SetLeftOffset(-m_left);
    m_drawer.SetTopOffset(-m_top);
    Invalidate();
}

void CColonyTreeView::Scroll(CScrollBar& bar, int& position, UINT code, UINT thumb)
{
    SCROLLINFO info;
    bar.GetScrollInfo(&info, SIF_PAGE);
    switch (code) {
    case SB_LINEUP: position -= kLineStep; break;
    case SB_LINEDOWN: position += kLineStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = static_cast<int>(thumb); break;
    default: return;
    }
    ApplyOffsets();
}

void CColonyTreeView::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    Scroll(m_horizontal, m_left, code, position);
}

void CColonyTreeView::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    Scroll(m_vertical, m_top, code, position);
}

BOOL CColonyTreeView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (m_showVertical) {
        m_top += delta > 0 ? -kWheelStep : kWheelStep;
        ApplyOffsets();
    }
    return TRUE;
}

void CColonyTreeView::OnSize(UINT type, int cx, int cy)
{
    CEmptyViewJournal::OnSize(type, cx, cy);
    Layout();
}

void CColonyTreeView::OnLButtonDown(UINT flags, CPoint point)
{
    CEmptyViewJournal::OnLButtonDown(flags, point);
    if (m_hasTree && point.x < m_visibleWidth && point.y < m_visibleHeight)
        m_drawer.ClickAt(point.x, point.y);
}

LRESULT CColonyTreeView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DrawerNotifyMessage) {
        const auto id = static_cast<std::int32_t>(wParam);
        if (id != m_state->recordId)
            PostJournalAction(this, ActionShowColony, id);
        Invalidate();
        return 0;
    }
    return CEmptyViewJournal::WindowProc(message, wParam, lParam);
}

void CColonyTreeView::OnPaint()
{
    PaintBuffered(this, GetSysColor(COLOR_BTNFACE), [this](CDC& memory, const RECT&) {
        if (m_visibleWidth > 0 && m_visibleHeight > 0)
            m_drawer.Draw(&memory, 0, 0, m_visibleWidth, m_visibleHeight);
        if (const CBoxTreeDrawer::Box* colony = m_drawer.BoxOf(m_state->recordId); colony && !m_notice.empty()) {
            const int top = colony->y + CColonyTreeDrawer::BoxHeight;
            RECT line { 0, top + 12, m_visibleWidth, top + kNoticeHeight };
            CFont* oldFont = memory.SelectObject(m_noticeFont.get());
            memory.SetBkMode(TRANSPARENT);
            memory.SetTextColor(RGB(0, 0, 0));
            memory.DrawText(m_notice, &line, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
            memory.SelectObject(oldFont);
        }
        if (m_showHorizontal && m_showVertical) {
            const RECT corner { m_visibleWidth, m_visibleHeight, m_visibleWidth + BarSize, m_visibleHeight + BarSize };
            memory.FillSolidRect(&corner, GetSysColor(COLOR_BTNFACE));
        }
    });
}

BOOL CColonyTreeView::OnEraseBkgnd(CDC*)
{
    // OnPaint covers the whole client area.
    return TRUE;
}
