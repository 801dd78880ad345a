#include "ViewTable.h"

#include "Brush.h"
#include "Cursor.h"
#include "Dc.h"
#include "DeleteQuestion.h"
#include "JournalAction.h"
#include "KeyInput.h"
#include "MessageBox.h"
#include "StringIds.h"
#include "TablePrint.h"
#include "Tr.h"

namespace {
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollPeriod = 10;
constexpr int kPanelHeight = 50;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;
}

CViewTable::CViewTable(JournalState* state, TableActions actions, std::initializer_list<std::int32_t> events)
    : CEmptyViewJournal(state, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)
    , m_grid(this)
    , m_actions(actions)
    , m_subscription(this, events)
{
    m_grids.push_back({ &m_grid, IdGridHorizontalBar, IdGridVerticalBar });
}

CViewTable::~CViewTable() = default;

void CViewTable::AddGrid(CTableGrid* grid, UINT horizontalId, UINT verticalId)
{
    m_grids.push_back({ grid, horizontalId, verticalId });
}

std::unique_ptr<IPrintablePage> CViewTable::PrintablePage()
{
    auto page = std::make_unique<CTablePrint>(PrintTitle());
    page->AddTable(m_grid.Drawer(), {});
    return page;
}

void CViewTable::OnEvent()
{
    // A page that is not shown fills itself when it is created.
    if (!CWnd::IsCreated())
        return;
    Reload();
    Invalidate();
}

void CViewTable::Reload()
{
    FillTable();
    for (const GridEntry& entry : m_grids)
        entry.grid->Refresh();
    OnSelectionChanged();
}

void CViewTable::OnSelectionChanged()
{
    if (!m_change.IsCreated())
        return;
    const BOOL selected = m_grid.Drawer().SelectedRow() != nullptr;
    m_change.EnableWindow(selected);
    m_delete.EnableWindow(selected);
}

int CViewTable::OnCreate(CREATESTRUCT* create)
{
    if (CEmptyViewJournal::OnCreate(create) == -1)
        return -1;
    SetTimer(kScrollTimer, kScrollPeriod);
    m_tips = std::make_unique<CToolTipCtrl>();
    m_tips->Create(this);
    m_tips->AddTool(this);
    if (m_actions.buttons) {
        const DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
        const CRect button(0, 0, kButtonWidth, kButtonHeight);
        m_add.Create(Tr(StringId::ButtonAdd), style, button, this, IdAddButton);
        m_delete.Create(Tr(StringId::ButtonDelete), style, button, this, IdDeleteButton);
        m_change.Create(Tr(StringId::ButtonChange), style, button, this, IdChangeButton);
    }
    for (const GridEntry& entry : m_grids)
        entry.grid->Create(this, entry.horizontalId, entry.verticalId);
    CRect client;
    GetClientRect(&client);
    OnSize(0, client.Width(), client.Height());
    Reload();
    return 0;
}

void CViewTable::OnSize(UINT type, int cx, int cy)
{
    CEmptyViewJournal::OnSize(type, cx, cy);
    const int top = cy - 40;
    if (m_actions.buttons) {
        m_add.MoveWindow(10, top, kButtonWidth, kButtonHeight);
        m_change.MoveWindow(130, top, kButtonWidth, kButtonHeight);
        m_delete.MoveWindow(250, top, kButtonWidth, kButtonHeight);
    }
    SetGridArea(0, 0, cx, cy);
}

void CViewTable::SetGridArea(int left, int top, int right, int bottom)
{
    m_grid.SetArea(CRect(left, top, right, bottom - kPanelHeight));
}

void CViewTable::DrawPanel(CDC* dc, int left, int top, int right, int bottom)
{
    // The buttons cover their own places in the face colour.
    dc->FillSolidRect(left, top, right - left, bottom - top, GetSysColor(COLOR_BTNFACE));
    dc->MoveTo(left, top);
    dc->LineTo(right - 1, top);
    dc->LineTo(right - 1, bottom - 1);
    dc->LineTo(left - 1, bottom - 1);
}

void CViewTable::PaintPage(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    DrawPanel(dc, client.left, m_grids.back().grid->Area().bottom, client.right, client.bottom);
    for (const GridEntry& entry : m_grids)
        entry.grid->Draw(dc);
}

void CViewTable::OnPaint()
{
    CPaintDC dc(this);
    PaintPage(&dc);
}

BOOL CViewTable::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

BOOL CViewTable::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CEmptyViewJournal::OnCommand(wParam, lParam);
    const TableRow* selected = m_grid.Drawer().SelectedRow();
    switch (LOWORD(wParam)) {
    case IdAddButton:
        PostJournalAction(this, m_actions.add, m_actions.addForRecord ? m_state->recordId : 0);
        return TRUE;
    case IdChangeButton:
        if (selected)
            PostJournalAction(this, m_actions.change, selected->id);
        return TRUE;
    case IdDeleteButton:
        DeleteSelected();
        return TRUE;
    default:
        return CEmptyViewJournal::OnCommand(wParam, lParam);
    }
}


void CViewTable::DeleteSelected()
{
    const TableRow* selected = m_grid.Drawer().SelectedRow();
    if (!selected)
        return;
    const std::u16string question =
        DeleteQuestion(m_actions.remove, selected->id, m_grid.Drawer().GetCellText(selected, m_actions.nameColumn));
    if (MessageBoxW(this, question, Tr(m_actions.deleteTitle), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const int id = selected->id;
    // The row goes only when the journal says the delete went through.
    if (!RunJournalAction(this, m_actions.remove, id))
        return;
    // The page may have been replaced while the delete ran.
    if (!m_actions.removeRow || !CWnd::IsCreated())
        return;
    m_grid.Drawer().RemoveRow(id);
    m_grid.Refresh();
    OnSelectionChanged();
    Invalidate();
}

CTableGrid* CViewTable::GridAt(CPoint point)
{
    for (const GridEntry& entry : m_grids) {
        if (entry.grid->Contains(point))
            return entry.grid;
    }
    return nullptr;
}

BOOL CViewTable::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (window != this || hitTest != HTCLIENT)
        return CEmptyViewJournal::OnSetCursor(window, hitTest, message);
    CPoint point;
    GetCursorPos(&point);
    ScreenToClient(&point);
    const CTableGrid* grid = GridAt(point);
    SetCursor(grid ? grid->CursorAt(point) : LoadCursor(IDC_ARROW));
    return TRUE;
}

void CViewTable::OnTimer(UINT_PTR id)
{
    if (id != kScrollTimer) {
        CEmptyViewJournal::OnTimer(id);
        return;
    }
    bool moved = false;
    for (const GridEntry& entry : m_grids)
        moved = entry.grid->RepeatHeldScroll() || moved;
    if (moved)
        Invalidate(FALSE);
}

void CViewTable::OnLButtonDown(UINT flags, CPoint point)
{
    CEmptyViewJournal::OnLButtonDown(flags, point);
    CTableGrid* grid = GridAt(point);
    if (grid && grid->BeginDrag(point)) {
        m_dragged = grid;
        SetCapture();
        return;
    }
    if (grid && grid->SelectAt(point)) {
        Invalidate(FALSE);
        if (grid == &m_grid)
            OnSelectionChanged();
    }
    SetFocus();
}

void CViewTable::OnMouseMove(UINT flags, CPoint point)
{
    CEmptyViewJournal::OnMouseMove(flags, point);
    if (!m_dragged) {
        const CTableGrid* grid = GridAt(point);
        const std::u16string tip = grid ? grid->ClippedTextAt(point) : std::u16string();
        if (tip != m_tipText && m_tips) {
            m_tipText = tip;
            m_tips->UpdateTipText(tip, this);
        }
        return;
    }
    // The button went up where the page could not see it.
    if (!(flags & MK_LBUTTON)) {
        OnLButtonUp(flags, point);
        return;
    }
    m_dragged->Drag(point);
    SetCursor(m_dragged->CursorAt(point));
    Invalidate(FALSE);
}

void CViewTable::OnLButtonUp(UINT flags, CPoint point)
{
    CEmptyViewJournal::OnLButtonUp(flags, point);
    if (!m_dragged)
        return;
    m_dragged->EndDrag();
    m_dragged = nullptr;
    ReleaseCapture();
}

BOOL CViewTable::OnMouseWheel(UINT, short delta, CPoint point)
{
    ScreenToClient(&point);
    for (const GridEntry& entry : m_grids) {
        if (entry.grid->Wheel(point, delta)) {
            Invalidate(FALSE);
            break;
        }
    }
    return TRUE;
}

void CViewTable::OnHScroll(UINT code, UINT, CScrollBar* bar)
{
    ScrollGrid(bar, code);
}

void CViewTable::OnVScroll(UINT code, UINT, CScrollBar* bar)
{
    ScrollGrid(bar, code);
}

void CViewTable::ScrollGrid(CScrollBar* bar, UINT code)
{
    for (const GridEntry& entry : m_grids) {
        if (entry.grid->OwnsBar(bar)) {
            entry.grid->Scroll(bar, code);
            Invalidate(FALSE);
        }
    }
}

void CViewTable::Press(CButton& button, int id)
{
    if (button.IsCreated() && button.IsWindowVisible() && button.IsWindowEnabled())
        SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void CViewTable::OnLButtonDblClk(UINT flags, CPoint point)
{
    // A second quick click anywhere but on a row of the main grid is a click like any other.
    if (GridAt(point) != &m_grid || !m_grid.IsRowAt(point)) {
        OnLButtonDown(flags, point);
        return;
    }
    // The first click has mostly selected the row already.
    if (m_grid.SelectAt(point))
        OnSelectionChanged();
    Press(m_change, IdChangeButton);
}

void CViewTable::OnSetFocus(CWnd* oldWindow)
{
    CEmptyViewJournal::OnSetFocus(oldWindow);
    m_grid.Drawer().ShowFocus(true);
    Invalidate(FALSE);
}

void CViewTable::OnKillFocus(CWnd* newWindow)
{
    CEmptyViewJournal::OnKillFocus(newWindow);
    m_grid.Drawer().ShowFocus(false);
    Invalidate(FALSE);
}

void CViewTable::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_RETURN && !ctrl) {
        Press(m_change, IdChangeButton);
        return;
    }
    if (key == VK_DELETE && !ctrl) {
        Press(m_delete, IdDeleteButton);
        return;
    }
    if (key == 'N' && ctrl) {
        Press(m_add, IdAddButton);
        return;
    }
    if (key != VK_UP && key != VK_DOWN) {
        CEmptyViewJournal::OnKeyDown(key, repeat, flags);
        return;
    }
    if (m_grid.SelectNeighbour(key == VK_DOWN)) {
        Invalidate(FALSE);
        OnSelectionChanged();
    }
}
