#include "TableDrawer.h"

#include "Brush.h"
#include "BufferedPaint.h"
#include "Dc.h"
#include "FontHelper.h"

#include <algorithm>
#include <map>

namespace {
constexpr int kColumnBorderZone = 2;
constexpr int kRowBorderZone = 3;
// Widths of the columns fitted to their texts: air beside the text, the narrowest and the widest.
constexpr int kColumnAir = 12;
constexpr int kNarrowestColumn = 30;
constexpr int kWidestFittedColumn = 320;

// Columns that take the spare width of a wide window: text columns after the first (the name).
bool TakesSpareWidth(const CTableHeader& header)
{
    return !header.HasStoredWidth() && header.ColumnType() == ColumnText && header.previous;
}
}

CTableDrawer::CTableDrawer(CWnd* owner)
    : CDrawer(owner)
    , m_font(CreateFontHelper(true, u"Arial", 16, false, false))
{
}

CTableDrawer::~CTableDrawer()
{
    Clear();
}

void CTableDrawer::Clear()
{
    m_firstVisible = nullptr;
    m_selected = nullptr;
    EndRowResize();
    m_rows.clear();
    m_index.Clear();
    // A rebuild adds its columns again, so the old ones go (their widths stay in the layout store).
    m_headers.clear();
    m_barHeight = 0;
    m_totalWidth = 0;
}

void CTableDrawer::MeasureHeader(CTableHeader* header) const
{
    header->height = CItemTable::WrappedSize(header->Text(), header->width, m_font.get()).cy;
}

void CTableDrawer::FitNaturalWidths()
{
    CClientDC dc(nullptr);
    CFont* oldFont = dc.SelectObject(m_font.get());
    auto widthOf = [&dc](const std::u16string& text) {
        RECT room { 0, 0, 0, 0 };
        dc.DrawText(text, &room, DT_CALCRECT | DT_NOPREFIX);
        return static_cast<int>(room.right - room.left) + kColumnAir;
    };
    std::map<CTableHeader*, int> widest;
    for (const auto& header : m_headers) {
        if (!header->HasStoredWidth())
            widest[header.get()] = widthOf(header->Text());
    }
    for (const auto& row : m_rows) {
        for (const auto& cell : row->cells) {
            const auto found = widest.find(cell->header);
            if (found != widest.end() && found->second < kWidestFittedColumn)
                found->second = std::max(found->second, widthOf(cell->Text()));
        }
    }
    dc.SelectObject(oldFont);
    for (const auto& [header, width] : widest)
        header->naturalWidth = std::clamp(width, kNarrowestColumn, kWidestFittedColumn);
}

void CTableDrawer::SpreadWidth()
{
    int taken = 0;
    int takers = 0;
    for (const auto& header : m_headers) {
        if (!header->HasStoredWidth())
            header->width = header->naturalWidth;
        taken += header->width;
        takers += TakesSpareWidth(*header) ? 1 : 0;
    }
    int spare = std::max(m_areaWidth - taken, 0);
    for (const auto& header : m_headers) {
        if (!TakesSpareWidth(*header))
            continue;
        const int share = spare / takers--;
        header->width += share;
        spare -= share;
    }
    m_totalWidth = 0;
    m_barHeight = 0;
    for (const auto& header : m_headers) {
        m_totalWidth += header->width;
        MeasureHeader(header.get());
        m_barHeight = std::max(m_barHeight, header->height);
    }
    for (const auto& header : m_headers)
        header->height = m_barHeight;
    PlaceHeaders();
}

CTableHeader* CTableDrawer::AddHeader(const std::u16string& caption, int columnId, int columnType)
{
    auto header = std::make_unique<CTableHeader>(caption, columnId, columnType);
    if (!header->HasStoredWidth()) {
        const int captionWidth = CItemTable::WrappedSize(caption, 0, m_font.get()).cx + kColumnAir;
        header->naturalWidth = std::clamp(captionWidth, kNarrowestColumn, kWidestFittedColumn);
        header->width = header->naturalWidth;
    }
    MeasureHeader(header.get());
    if (!m_headers.empty()) {
        header->previous = m_headers.back().get();
        m_headers.back()->next = header.get();
    }
    m_barHeight = std::max(m_barHeight, header->height);
    m_headers.push_back(std::move(header));
    return m_headers.back().get();
}

std::size_t CTableDrawer::ColumnIndexOf(const CTableHeader* header) const
{
    const auto column = std::find_if(m_headers.begin(), m_headers.end(), [header](const auto& own) { return own.get() == header; });
    return static_cast<std::size_t>(column - m_headers.begin());
}

void CTableDrawer::AddCell(TableRow* row, const std::u16string& text, CTableHeader* header)
{
    auto cell = std::make_unique<CTableCel>(text, header);
    cell->x = header->x;
    cell->width = header->width;
    cell->height = row->height;
    row->cells.push_back(std::move(cell));
}

void CTableDrawer::AddRow(std::unique_ptr<TableRow> row)
{
    if (!m_rows.empty()) {
        row->previous = m_rows.back().get();
        m_rows.back()->next = row.get();
    }
    row->index = m_rows.size();
    m_index.Append(row->height);
    m_rows.push_back(std::move(row));
}

void CTableDrawer::RemoveRow(int id)
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [id](const auto& row) { return row->id == id; });
    if (found == m_rows.end())
        return;
    TableRow* row = found->get();
    if (m_selected == row)
        m_selected = nullptr;
    if (m_firstVisible == row)
        m_firstVisible = row->next;
    if (m_resizedRow == row)
        EndRowResize();
    m_rows.erase(found);
    Reindex();
}

void CTableDrawer::Reindex()
{
    m_index.Clear();
    TableRow* previous = nullptr;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        TableRow* row = m_rows[i].get();
        row->index = i;
        row->previous = previous;
        row->next = nullptr;
        if (previous)
            previous->next = row;
        previous = row;
        m_index.Append(row->height);
    }
}

void CTableDrawer::PlaceHeaders()
{
    int x = m_horizontalOffset;
    for (const auto& header : m_headers) {
        header->x = x;
        x += header->width;
    }
}

void CTableDrawer::LayoutHeaders()
{
    FitNaturalWidths();
    SpreadWidth();
}

void CTableDrawer::FitToWidth(int width)
{
    m_areaWidth = width;
    SpreadWidth();
}

void CTableDrawer::SetHorizontalOffset(int x)
{
    m_horizontalOffset = x;
    PlaceHeaders();
}

void CTableDrawer::SetVerticalOffset(std::int64_t position)
{
    RowHeightIndex::Hit hit;
    if (!m_index.Find(position, &hit))
        return;
    m_firstVisible = m_rows[hit.row].get();
    m_firstRowOffset = static_cast<int>(hit.start - position);
}

void CTableDrawer::ScrollToTop()
{
    m_firstVisible = m_rows.empty() ? nullptr : m_rows.front().get();
    m_firstRowOffset = 0;
}

TableRow* CTableDrawer::RowAt(int x, int y) const
{
    if (x >= m_totalWidth || y <= m_barHeight)
        return nullptr;
    // From the scroll position, not from the last paint: a click may come before the page is painted.
    int top = m_barHeight + m_firstRowOffset;
    for (TableRow* row = m_firstVisible; row && top < y; row = row->next) {
        if (y > top && y < top + row->height)
            return row;
        top += row->height;
    }
    return nullptr;
}

void CTableDrawer::SelectRowAt(int x, int y)
{
    if (x >= m_totalWidth || y <= m_barHeight)
        return;
    SelectRow(RowAt(x, y));
}

void CTableDrawer::SelectFirstRow()
{
    SelectRow(m_rows.empty() ? nullptr : m_rows.front().get());
}

void CTableDrawer::SelectRow(TableRow* row)
{
    if (m_selected)
        SetRowHighlight(m_selected, false);
    m_selected = row;
    if (m_selected)
        SetRowHighlight(m_selected, true);
}

void CTableDrawer::SetRowHighlight(TableRow* row, bool on)
{
    for (const auto& cell : row->cells)
        cell->colour = on ? SelectedCellColour : CellColour;
}

std::u16string CTableDrawer::GetCellText(const TableRow* row, int columnId) const
{
    for (const auto& cell : row->cells) {
        if (cell->header->ColumnId() == columnId)
            return cell->Text();
    }
    return {};
}

std::u16string CTableDrawer::ClippedTextAt(int x, int y) const
{
    auto within = [x, y](const CItemTable& item) {
        return item.x <= x && x < item.x + item.width && item.y <= y && y < item.y + item.height;
    };
    for (const auto& header : m_headers) {
        if (within(*header))
            return header->IsClipped(m_font.get()) ? header->Text() : std::u16string();
    }
    for (TableRow* row = m_firstVisible; row && row->y <= y; row = row->next) {
        for (const auto& cell : row->cells) {
            if (within(*cell))
                return cell->IsClipped(m_font.get()) ? cell->Text() : std::u16string();
        }
    }
    return {};
}

CTableHeader* CTableDrawer::HitColumnBorder(int x, int y) const
{
    for (const auto& header : m_headers) {
        const int right = header->x + header->width;
        if (right - kColumnBorderZone < x && x < right + kColumnBorderZone && header->y < y
            && y < header->y + header->height)
            return header.get();
    }
    return nullptr;
}

TableRow* CTableDrawer::RowWithBottomAt(int y) const
{
    for (TableRow* row = m_firstVisible; row && row->y <= y; row = row->next) {
        const int bottom = row->y + row->height;
        if (bottom - kRowBorderZone < y && y <= bottom)
            return row;
    }
    return nullptr;
}

bool CTableDrawer::HitRowBorder(int x, int y) const
{
    if (m_rowResizing)
        return true;
    if (x > m_totalWidth)
        return false;
    return RowWithBottomAt(y) != nullptr;
}

bool CTableDrawer::BeginRowResize(int y)
{
    TableRow* row = RowWithBottomAt(y);
    if (!row)
        return false;
    m_resizedRow = row;
    m_rowResizing = true;
    return true;
}

void CTableDrawer::SetRowHeight(TableRow* row, int height)
{
    row->height = height;
    for (const auto& cell : row->cells)
        cell->height = height;
    m_index.SetHeight(row->index, height);
}

void CTableDrawer::EndRowResize()
{
    m_rowResizing = false;
    m_resizedRow = nullptr;
}

void CTableDrawer::Draw(CDC* dc, int left, int top, int right, int bottom)
{
    const CRect area(left, top, right, bottom);
    PaintOffScreen(dc, area, GetSysColor(COLOR_BTNFACE), [this, left, right, bottom](CDC& memory) {
        int y = m_barHeight + m_firstRowOffset;
        for (TableRow* row = m_firstVisible; row && y <= bottom; row = row->next) {
            row->y = y;
            y += row->height;
            for (const auto& cell : row->cells) {
                cell->x = cell->header->x;
                cell->width = cell->header->width;
                cell->y = row->y;
                cell->Paint(&memory, m_font.get());
            }
            if (row == m_selected && m_focusShown) {
                const CRect frame(2, row->y + 2, std::min(m_totalWidth, right - left) - 2, row->y + row->height - 2);
                memory.DrawFocusRect(&frame);
            }
        }
        // Headers go on top, covering the rows scrolled under them.
        for (const auto& header : m_headers) {
            if (header->x > right)
                break;
            if (header->x + header->width >= 0)
                header->Paint(&memory, m_font.get());
        }
    });
}
