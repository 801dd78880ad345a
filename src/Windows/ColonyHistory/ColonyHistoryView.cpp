#include "ColonyHistoryView.h"

#include "Brush.h"
#include "Calendar.h"
#include "CareCache.h"
#include "CareDialog.h"
#include "ColonyEventCache.h"
#include "ColonyEventDialog.h"
#include "ColonyEventWords.h"
#include "ColonyHistoryRows.h"
#include "Cursor.h"
#include "Dc.h"
#include "GridBuilder.h"
#include "JournalAction.h"
#include "JournalHandlers.h"
#include "JournalPrint.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "TablePrint.h"
#include "Text.h"
#include "TaskCache.h"
#include "Tr.h"

namespace {
constexpr int kLineHeight = 20;
constexpr int kLineageLines = 3;
constexpr int kLineageHeight = kLineageLines * kLineHeight + 8;
// Two rows of buttons: the events, then the undo.
constexpr int kPanelHeight = 90;
constexpr int kEventWidth = 110;
constexpr std::int32_t kCareButtonTexts[] = { StringId::TreatmentButton, StringId::FeedingButton,
    StringId::HarvestButton, StringId::MiteCountButton };
constexpr CCareDialog::Kind kCareKinds[] = { CCareDialog::Kind::Treatment, CCareDialog::Kind::Feeding,
    CCareDialog::Kind::Harvest, CCareDialog::Kind::MiteCount };
constexpr int kCareWidth = 100;
constexpr int kDeleteCareWidth = 150;
constexpr int kTaskWidth = 80;
constexpr std::int32_t kEventButtonTexts[] = { StringId::SplitButton, StringId::UniteButton, StringId::RequeenButton,
    StringId::SwarmButton, StringId::MoveButton, StringId::LossButton };
constexpr int kMargin = 10;
constexpr int kButtonHeight = 30;
constexpr int kUndoWidth = 200;
constexpr COLORREF kLinkColor = RGB(0, 0, 204);

// The page's columns; a layout file keeps each one's width under its id.
enum HistoryColumn : int
{
    HistoryDateColumn = 1280,
    HistoryWhatColumn = 1281,
    HistoryNoteColumn = 1282,
};

const std::vector<CGridBuilder<HistoryRow>::Column>& Columns()
{
    static const std::vector<CGridBuilder<HistoryRow>::Column> columns {
        { HistoryDateColumn, StringId::HistoryDateColumn, ColumnDate, nullptr,
            [](const HistoryRow& row) { return FormatDateText(row.date); } },
        { HistoryWhatColumn, StringId::HistoryWhatColumn, ColumnText, nullptr,
            [](const HistoryRow& row) { return row.what; } },
        { HistoryNoteColumn, StringId::HistoryNoteColumn, ColumnText, nullptr,
            [](const HistoryRow& row) { return row.note; } },
    };
    return columns;
}
}

CColonyHistoryView::CColonyHistoryView(JournalState* state)
    : CViewTable(state, { ActionShowList, false, ActionShowList, ActionShowList, 0, 0, false, false },
        { EventFamiliesChanged, EventInspectsChanged, EventCareChanged, EventTasksChanged })
{
}

void CColonyHistoryView::Prepare()
{
    m_state->page = PageColonyHistory;
}

bool CColonyHistoryView::Accepts(int tab, int kind, int action)
{
    return tab == kHistoryTab && kind == NodeColony && action == ActionShowList;
}

std::u16string CColonyHistoryView::PrintTitle() const
{
    return TitleWithColony(Tr(StringId::HistoryTab), Colony());
}

std::unique_ptr<IPrintablePage> CColonyHistoryView::PrintablePage()
{
    std::u16string lineage;
    int line = -1;
    for (const LineagePiece& piece : m_lineage) {
        if (!lineage.empty())
            lineage += piece.place.top != line ? u"   " : u" ";
        line = piece.place.top;
        lineage += piece.text;
    }
    auto page = std::make_unique<CTablePrint>(PrintTitle());
    page->AddTable(Grid().Drawer(), lineage);
    return page;
}

void CColonyHistoryView::FillTable()
{
    CGridBuilder<HistoryRow> builder(Grid().Drawer(), StringId::HistoryTab);
    builder.AddColumns(Columns());
    m_rows = ColonyHistoryRows(Colony());
    int row = 0;
    for (const HistoryRow& item : m_rows)
        builder.AddRow(++row, OwnerKind::Colony, 0, item);
    builder.Finish(0);
    if (m_undo.IsCreated())
        m_undo.EnableWindow(GetColonyEventCache()->LatestOf(Colony()) != nullptr);
    const bool ended = GetColonyEventCache()->HasEnded(Colony());
    for (CButton& button : m_eventButtons) {
        if (button.IsCreated())
            button.EnableWindow(!ended);
    }
    for (CButton& button : m_careButtons) {
        if (button.IsCreated())
            button.EnableWindow(!ended && GetCareCache()->Available() && GetCareCache()->CountsAvailable());
    }
    LayOutLineage();
}

void CColonyHistoryView::LayOutLineage()
{
    m_lineage.clear();
    if (!CWnd::IsCreated())
        return;
    CClientDC dc(this);
    int x = kMargin;
    int y = 4;
    auto add = [&](const std::u16string& text, std::int32_t idFamily) {
        const CSize size = dc.GetTextExtent(text);
        m_lineage.push_back({ text, CRect(x, y, x + size.cx, y + kLineHeight), idFamily });
        x += size.cx + kMargin;
    };
    auto addColonies = [&](std::int32_t label, const std::vector<std::int32_t>& colonies) {
        add(Tr(label), 0);
        for (std::int32_t idFamily : colonies)
            add(ColonyNameOf(idFamily), idFamily);
        if (colonies.empty())
            add(Tr(StringId::HistoryNone), 0);
    };
    auto nextLine = [&] {
        x = kMargin;
        y += kLineHeight;
    };
    const CColonyEventCache* events = GetColonyEventCache();
    const std::int32_t mother = events->MotherOf(Colony());
    addColonies(StringId::HistoryMother, mother ? std::vector { mother } : std::vector<std::int32_t> {});
    if (const std::int32_t into = events->UnitedInto(Colony()))
        addColonies(StringId::HistoryUnitedInto, { into });
    nextLine();
    addColonies(StringId::HistoryDaughters, events->DaughtersOf(Colony()));
    nextLine();
    if (!events->UnitedIn(Colony()).empty())
        addColonies(StringId::HistoryUnitedIn, events->UnitedIn(Colony()));
}

int CColonyHistoryView::OnCreate(CREATESTRUCT* create)
{
    m_undo.Create(Tr(StringId::UndoLastEvent), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
        CRect(0, 0, kUndoWidth, kButtonHeight), this, IdUndoButton);
    for (std::size_t index = 0; index < m_eventButtons.size(); ++index) {
        m_eventButtons[index].Create(Tr(kEventButtonTexts[index]), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
            CRect(0, 0, kEventWidth, kButtonHeight), this, IdEventButtons + static_cast<int>(index));
    }
    for (std::size_t index = 0; index < m_careButtons.size(); ++index) {
        m_careButtons[index].Create(Tr(kCareButtonTexts[index]), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
            CRect(0, 0, kCareWidth, kButtonHeight), this, IdCareButtons + static_cast<int>(index));
    }
    m_deleteCare.Create(Tr(StringId::DeleteCareButton), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
        CRect(0, 0, kDeleteCareWidth, kButtonHeight), this, IdDeleteCareButton);
    m_task.Create(Tr(StringId::TaskButton), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, kTaskWidth, kButtonHeight),
        this, IdTaskButton);
    return CViewTable::OnCreate(create);
}

void CColonyHistoryView::OnSize(UINT type, int cx, int cy)
{
    CViewTable::OnSize(type, cx, cy);
    const int top = cy - kPanelHeight + kMargin;
    for (std::size_t index = 0; index < m_eventButtons.size(); ++index) {
        if (m_eventButtons[index].IsCreated())
            m_eventButtons[index].MoveWindow(kMargin + static_cast<int>(index) * (kEventWidth + 5), top, kEventWidth, kButtonHeight);
    }
    if (m_task.IsCreated())
        m_task.MoveWindow(kMargin + static_cast<int>(m_eventButtons.size()) * (kEventWidth + 5) + 10, top, kTaskWidth,
            kButtonHeight);
    const int second = top + kButtonHeight + 5;
    if (m_undo.IsCreated())
        m_undo.MoveWindow(kMargin, second, kUndoWidth, kButtonHeight);
    int x = kMargin + kUndoWidth + 15;
    for (CButton& button : m_careButtons) {
        if (button.IsCreated())
            button.MoveWindow(x, second, kCareWidth, kButtonHeight);
        x += kCareWidth + 5;
    }
    if (m_deleteCare.IsCreated())
        m_deleteCare.MoveWindow(x + 10, second, kDeleteCareWidth, kButtonHeight);
}

void CColonyHistoryView::SetGridArea(int left, int top, int right, int bottom)
{
    Grid().SetArea(CRect(left, top + kLineageHeight, right, bottom - kPanelHeight));
}

void CColonyHistoryView::OnPaint()
{
    CPaintDC dc(this);
    PaintPage(&dc);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(0, 0, client.Width(), kLineageHeight, GetSysColor(COLOR_BTNFACE));
    dc.SetBkMode(TRANSPARENT);
    for (const LineagePiece& piece : m_lineage) {
        CRect place = piece.place;
        dc.SetTextColor(piece.idFamily ? kLinkColor : RGB(0, 0, 0));
        dc.DrawText(piece.text, &place, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (piece.idFamily)
            dc.FillSolidRect(place.left, place.bottom - 3, place.Width(), 1, kLinkColor);
    }
}

const CColonyHistoryView::LineagePiece* CColonyHistoryView::LinkAt(CPoint point) const
{
    for (const LineagePiece& piece : m_lineage) {
        if (piece.idFamily && piece.place.PtInRect(point))
            return &piece;
    }
    return nullptr;
}

void CColonyHistoryView::OnLButtonDown(UINT flags, CPoint point)
{
    if (const LineagePiece* link = LinkAt(point)) {
        PostJournalAction(this, ActionShowColony, link->idFamily);
        return;
    }
    CViewTable::OnLButtonDown(flags, point);
}

BOOL CColonyHistoryView::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    CPoint point;
    GetCursorPos(&point);
    ScreenToClient(&point);
    if (window == this && hitTest == HTCLIENT && LinkAt(point)) {
        SetCursor(LoadCursor(IDC_HAND));
        return TRUE;
    }
    return CViewTable::OnSetCursor(window, hitTest, message);
}

BOOL CColonyHistoryView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id == IdUndoButton) {
        UndoLatest();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id >= IdCareButtons && id < IdCareButtons + static_cast<int>(m_careButtons.size())) {
        CCareDialog(kCareKinds[id - IdCareButtons], Colony(), this).DoModal();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id == IdTaskButton) {
        CCareDialog(CCareDialog::Kind::Task, Colony(), this).DoModal();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id == IdDeleteCareButton) {
        DeleteChosenCare();
        return TRUE;
    }
    const int kind = id - IdEventButtons + 1;
    if (HIWORD(wParam) == BN_CLICKED && kind >= 1 && kind <= static_cast<int>(m_eventButtons.size())) {
        CColonyEventDialog(static_cast<ColonyEventKind>(kind), Colony(), this).DoModal();
        return TRUE;
    }
    return CViewTable::OnCommand(wParam, lParam);
}

void CColonyHistoryView::UndoLatest()
{
    const CColonyEventCache::Event* latest = GetColonyEventCache()->LatestOf(Colony());
    if (!latest)
        return;
    const std::int32_t idEvent = latest->id_event;
    const std::int32_t mother = latest->id_family;
    const std::u16string question = ReplaceAll(
        ReplaceAll(Tr(StringId::UndoEventQuestion), u"%1",
            Tr(StringId::EventKindSplit + static_cast<std::int32_t>(latest->kind) - 1)),
        u"%2", FormatDateText(latest->date));
    if (MessageBoxW(this, question, Tr(StringId::UndoLastEvent), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const std::int32_t shown = Colony();
    if (!GetJournalHandlers()->colonyEvents.Undo(idEvent))
        return;
    // The undo of the split or swarm that made the colony takes the colony too: its mother's
    // history shows instead.
    if (!GetPointFamilyCache()->FindFamily(shown) && CWnd::IsCreated())
        PostJournalAction(this, ActionShowColony, mother);
}

const HistoryRow* CColonyHistoryView::ChosenRow()
{
    const TableRow* chosen = Grid().Drawer().SelectedRow();
    if (!chosen || chosen->id < 1 || chosen->id > static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_rows[static_cast<std::size_t>(chosen->id - 1)];
}

void CColonyHistoryView::OnLButtonDblClk(UINT flags, CPoint point)
{
    CViewTable::OnLButtonDblClk(flags, point);
    const HistoryRow* row = ChosenRow();
    if (!Grid().IsRowAt(point) || !row || row->care.kind != CareEntry::Kind::Task)
        return;
    if (const Task* task = GetTaskCache()->Find(row->care.id)) {
        // The store is read again when the task changes.
        const Task shown = *task;
        CCareDialog(shown, Colony(), this).DoModal();
    }
}

void CColonyHistoryView::DeleteChosenCare()
{
    const HistoryRow* row = ChosenRow();
    if (!row || row->care.kind == CareEntry::Kind::None)
        return;
    const CareEntry care = row->care;
    const std::u16string question = TrFilled(StringId::DeleteCareQuestion, { row->what, FormatDateText(row->date) });
    if (MessageBoxW(this, question, Tr(StringId::DeleteCareButton), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CCareHandler& handler = GetJournalHandlers()->care;
    if (care.kind == CareEntry::Kind::Task)
        GetJournalHandlers()->tasks.Delete(care.id);
    else if (care.kind == CareEntry::Kind::Treatment)
        handler.DeleteTreatment(care.id);
    else if (care.kind == CareEntry::Kind::Feeding)
        handler.DeleteFeeding(care.id);
    else if (care.kind == CareEntry::Kind::MiteCount)
        handler.DeleteMiteCount(care.id);
    else
        handler.DeleteHarvest(care.id);
}
