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
    m_bars.Create(this, IdTreeHorizontalBar, IdTreeVerticalBar);
    Fill();
    Layout();
    return 0;
}

void CColonyTreeView::Layout()
{
    if (!m_bars.IsCreated())
        return;
    RECT client {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    constexpr int bar = CPageScrollBars::BarSize;
    m_drawer.SetTopOffset(0);
    m_drawer.SetLeftOffset(0);
    const int treeHeight = m_hasTree ? m_drawer.Arrange(width) + (m_notice.empty() ? 0 : kNoticeHeight) : 0;
    const int treeWidth = m_hasTree ? m_drawer.Width() : 0;
    // Each bar takes room from the other direction, which may make that one needed too.
    bool showHorizontal = treeWidth > width;
    const bool showVertical = treeHeight > height - (showHorizontal ? bar : 0);
    showHorizontal = treeWidth > width - (showVertical ? bar : 0);
    const int visibleWidth = width - (showVertical ? bar : 0);
    if (m_hasTree)
        m_drawer.Arrange(visibleWidth);
    m_bars.Place(showHorizontal, showVertical, visibleWidth, height - (showHorizontal ? bar : 0), treeWidth, treeHeight);
    ApplyOffsets();
}

void CColonyTreeView::ApplyOffsets()
{
    m_drawer.SetLeftOffset(-m_bars.Left());
    m_drawer.SetTopOffset(-m_bars.Top());
    Invalidate();
}

void CColonyTreeView::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    if (m_bars.OnScroll(false, code, position, kLineStep))
        ApplyOffsets();
}

void CColonyTreeView::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    if (m_bars.OnScroll(true, code, position, kLineStep))
        ApplyOffsets();
}

BOOL CColonyTreeView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (m_bars.OnWheel(delta, kWheelStep))
        ApplyOffsets();
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
    if (m_hasTree && point.x < m_bars.VisibleWidth() && point.y < m_bars.VisibleHeight())
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
        const int width = m_bars.VisibleWidth();
        if (width > 0 && m_bars.VisibleHeight() > 0)
            m_drawer.Draw(&memory, 0, 0, width, m_bars.VisibleHeight());
        if (const CBoxTreeDrawer::Box* colony = m_drawer.BoxOf(m_state->recordId); colony && !m_notice.empty()) {
            const int top = colony->y + CColonyTreeDrawer::BoxHeight;
            RECT line { 0, top + 12, width, top + kNoticeHeight };
            CFont* oldFont = memory.SelectObject(m_noticeFont.get());
            memory.SetBkMode(TRANSPARENT);
            memory.SetTextColor(RGB(0, 0, 0));
            memory.DrawText(m_notice, &line, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
            memory.SelectObject(oldFont);
        }
        m_bars.PaintCorner(memory);
    });
}

BOOL CColonyTreeView::OnEraseBkgnd(CDC*)
{
    // OnPaint covers the whole client area.
    return TRUE;
}
