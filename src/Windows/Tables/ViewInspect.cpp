#include "ViewInspect.h"

#include "Calendar.h"
#include "Dc.h"
#include "GridBuilder.h"
#include "JournalColumns.h"
#include "JournalCache.h"
#include "JournalPrint.h"
#include "ListColumn.h"
#include "StringIds.h"
#include "TablePrint.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

namespace {
using Record = CJournalCache::Record;
using HiveRow = CJournalCache::HiveRow;
constexpr int kPanelHeight = 80;
constexpr int kPanelMargin = 10;
constexpr int kPanelGap = 5;
// The range row stays clear of the add/change/delete buttons below it.
constexpr int kPickerHeightMost = 34;
constexpr int kOlderWidth = 260;

// 1 January of this year at this time of day.
std::int64_t StartOfYear(std::int64_t now)
{
    LocalTime local = ToLocalTime(now).value_or(LocalTime {});
    local.month = 1;
    local.day = 1;
    return ToSeconds(local);
}

// The first or the last second of the local day of the time: the range's ends take whole days,
// whatever time of day the pickers or the page's start hold.
std::int64_t DayEdge(std::int64_t time, bool last)
{
    LocalTime local = ToLocalTime(time).value_or(LocalTime {});
    local.hour = last ? 23 : 0;
    local.minute = local.second = last ? 59 : 0;
    return ToSeconds(local);
}

}

CViewInspect::CViewInspect(JournalState* state)
    : CViewTable(state,
        { ActionAddInspection, true, ActionChangeInspection, ActionDeleteInspection, StringId::DeleteInspect, RecordDateColumn, true },
        {})
    , m_lower(this)
    , m_from(StartOfYear(CurrentTime()))
    , m_to(CurrentTime())
{
    AddGrid(&m_lower, IdLowerGridHorizontalBar, IdLowerGridVerticalBar);
}

void CViewInspect::Prepare()
{
    m_state->page = PageInspections;
}

bool CViewInspect::Accepts(int tab, int kind, int action)
{
    return tab == 0 && kind == NodeColony && action == ActionShowList;
}

std::u16string CViewInspect::PrintTitle() const
{
    return TitleWithColony(Tr(StringId::PrintRecordsTitle), m_state->recordId) + u", " + FormatDateText(m_from) + u" \u2013 " + FormatDateText(m_to);
}

std::unique_ptr<IPrintablePage> CViewInspect::PrintablePage()
{
    auto page = std::make_unique<CTablePrint>(PrintTitle());
    page->AddTable(Grid().Drawer(), {});
    const TableRow* selected = Grid().Drawer().SelectedRow();
    if (const Record* record = selected ? GetJournalCache()->FindRecord(selected->id) : nullptr)
        page->AddTable(m_lower.Drawer(), Tr(StringId::PrintHiveLinesCaption) + u" " + FormatDateText(record->date));
    return page;
}

void CViewInspect::FillTable()
{
    CGridBuilder<Record> builder(Grid().Drawer(), StringId::RecordViewSettingsTitle);
    builder.AddColumns(RecordColumns());
    builder.AddUserColumns(OwnerKind::Record, RecordUserColumns);
    const CJournalCache* cache = GetJournalCache();
    const std::int64_t from = DayEdge(m_from, false);
    const std::int64_t to = DayEdge(m_to, true);
    int shown = 0;
    int older = 0;
    for (std::int32_t id : cache->RecordsOf(m_state->recordId)) {
        const Record* record = cache->FindRecord(id);
        if (!record)
            continue;
        if (record->date >= from && record->date <= to) {
            builder.AddRow(id, OwnerKind::Record, record->id_record, *record);
            ++shown;
        } else if (record->date < from) {
            m_oldest = older++ == 0 ? record->date : std::min(m_oldest, record->date);
        }
    }
    builder.Finish(RecordDateColumn);
    OfferOlder(shown == 0 ? older : 0);
}

void CViewInspect::OfferOlder(int count)
{
    if (!m_older.IsCreated())
        return;
    m_older.SetWindowText(Tr(StringId::ShowOlderRecords) + u" " + IntToText(count));
    m_older.ShowWindow(count > 0 ? SW_SHOW : SW_HIDE);
}

void CViewInspect::FillHiveLines()
{
    CGridBuilder<HiveRow> builder(m_lower.Drawer(), StringId::RecordViewSettingsTitle);
    builder.AddColumns(HiveLineColumns());
    const TableRow* selected = Grid().Drawer().SelectedRow();
    if (const Record* record = selected ? GetJournalCache()->FindRecord(selected->id) : nullptr) {
        int position = 1;
        for (const HiveRow& hive : record->hives)
            builder.AddRow(position++, OwnerKind::Record, 0, hive);
    }
    builder.Finish(HiveNameColumn);
    m_lower.Refresh();
}

void CViewInspect::OnSelectionChanged()
{
    CViewTable::OnSelectionChanged();
    FillHiveLines();
}

int CViewInspect::OnCreate(CREATESTRUCT* create)
{
    const DWORD style = WS_CHILD | WS_VISIBLE;
    m_fromPicker.Create(style | DTS_SHORTDATEFORMAT, CRect(0, 0, 80, 20), this, IdFrom);
    m_toPicker.Create(style | DTS_SHORTDATEFORMAT, CRect(0, 0, 80, 20), this, IdTo);
    m_apply.Create(u">>", style | BS_PUSHBUTTON, CRect(0, 0, 30, 20), this, IdApply);
    m_older.Create(u"", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, kOlderWidth, 20), this, IdOlder);
    if (m_from != 0)
        m_fromPicker.SetTime(m_from);
    if (m_to != 0)
        m_toPicker.SetTime(m_to);
    return CViewTable::OnCreate(create);
}

void CViewInspect::OnSize(UINT type, int cx, int cy)
{
    // From left to right: each label as wide as its text, each picker as its whole date needs
    // (the four-digit year included), then the buttons; all above the add/change/delete row.
    const int top = cy - 75;
    const SIZE picker = m_fromPicker.IdealSize();
    const int height = std::clamp(static_cast<int>(picker.cy), 20, kPickerHeightMost);
    CClientDC dc(this);
    int x = kPanelMargin;
    // The next place of the row, `width` wide.
    const auto place = [&](int width) {
        const CRect at(x, top, x + width, top + height);
        x += width + kPanelGap;
        return at;
    };
    m_fromLabel = place(static_cast<int>(dc.GetTextExtent(Tr(StringId::RecordsFromLabel)).cx));
    m_fromPicker.MoveWindow(place(static_cast<int>(picker.cx)));
    m_toLabel = place(static_cast<int>(dc.GetTextExtent(Tr(StringId::RecordsToLabel)).cx));
    m_toPicker.MoveWindow(place(static_cast<int>(picker.cx)));
    m_apply.MoveWindow(place(30));
    m_older.MoveWindow(place(kOlderWidth));
    CViewTable::OnSize(type, cx, cy);
}

void CViewInspect::SetGridArea(int left, int top, int right, int bottom)
{
    const int lowest = bottom - kPanelHeight;
    m_split = lowest - (lowest - top) / 5;
    Grid().SetArea(CRect(left, top, right, m_split));
    m_lower.SetArea(CRect(left, m_split + 1, right, lowest));
}

void CViewInspect::DrawPanel(CDC* dc, int left, int top, int right, int bottom)
{
    CViewTable::DrawPanel(dc, left, top, right, bottom);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    CRect from = m_fromLabel;
    dc->DrawText(Tr(StringId::RecordsFromLabel), &from, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    CRect to = m_toLabel;
    dc->DrawText(Tr(StringId::RecordsToLabel), &to, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CViewInspect::OnPaint()
{
    CPaintDC dc(this);
    PaintPage(&dc);
    CRect client;
    GetClientRect(&client);
    dc.MoveTo(client.left, m_split);
    dc.LineTo(client.right, m_split);
}

BOOL CViewInspect::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if ((id != IdApply && id != IdOlder) || HIWORD(wParam) != BN_CLICKED)
        return CViewTable::OnCommand(wParam, lParam);
    if (id == IdOlder)
        m_fromPicker.SetTime(m_oldest);
    m_toPicker.GetTime(m_to);
    m_fromPicker.GetTime(m_from);
    Reload();
    Invalidate();
    return TRUE;
}
