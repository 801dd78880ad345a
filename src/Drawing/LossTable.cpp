#include "LossTable.h"

#include "Dc.h"
#include "Pen.h"

#include <algorithm>

namespace {
constexpr int kMargin = 12;
constexpr int kPadding = 6;
constexpr int kBarHeight = 8;
// The share's bar takes the room left of its number, at least this much.
constexpr int kLeastBarRoom = 60;
}

void CLossTable::SetData(std::u16string title, std::vector<std::u16string> header, std::vector<Row> rows,
    std::size_t shareColumn, std::u16string note, std::u16string emptyText)
{
    m_title = std::move(title);
    m_header = std::move(header);
    m_rows = std::move(rows);
    m_shareColumn = shareColumn;
    m_note = std::move(note);
    m_emptyText = std::move(emptyText);
}

std::vector<RECT> CLossTable::Paint(CDC& dc, const RECT& rect) const
{
    std::vector<RECT> bars;
    const RECT rest = m_frame.PaintCaption(dc, rect, m_title);
    if (m_rows.empty()) {
        m_frame.PaintEmpty(dc, rest, m_emptyText);
        return bars;
    }
    CFont* oldFont = dc.SelectObject(m_frame.LabelFont());
    dc.SetBkMode(TRANSPARENT);
    // Each column but the last as wide as its widest text; the last takes what is left.
    std::vector<int> widths(m_header.size(), 0);
    for (std::size_t column = 0; column + 1 < m_header.size(); ++column) {
        widths[column] = dc.GetTextExtent(m_header[column]).cx;
        for (const Row& row : m_rows)
            widths[column] = std::max(widths[column], static_cast<int>(dc.GetTextExtent(row.cells[column]).cx));
        widths[column] += 2 * kPadding;
    }
    const int numberWidth = m_shareColumn < widths.size() ? widths[m_shareColumn] : 0;
    if (m_shareColumn + 1 < widths.size())
        widths[m_shareColumn] += kLeastBarRoom;
    const int left = rest.left + kMargin;
    const int right = rest.right - kMargin;
    int used = 0;
    for (const int width : widths)
        used += width;
    if (!widths.empty())
        widths.back() = std::max(0, right - left - used);
    const int rowsShown = std::min(static_cast<int>(m_rows.size()),
        std::max(0, (static_cast<int>(rest.bottom - rest.top) - 2 * kMargin - 2 * RowHeight) / RowHeight));
    const RECT table { left, rest.top + kMargin, right, rest.top + kMargin + (rowsShown + 1) * RowHeight };
    CChartFrame::PaintPlot(dc, table);
    dc.FillSolidRect(table.left + 1, table.top + 1, table.right - table.left - 2, RowHeight - 1, CChartFrame::Caption);
    CPen grid(PS_SOLID, 1, CChartFrame::Grid);
    CPen* oldPen = dc.SelectObject(&grid);
    const auto paintRow = [&](const std::vector<std::u16string>& cells, int top) {
        int x = left;
        for (std::size_t column = 0; column < cells.size() && column < widths.size(); ++column) {
            RECT cell { x + kPadding, top, x + widths[column] - kPadding, top + RowHeight };
            // The columns before the last are as wide as their texts; only the last may cut.
            const bool last = column + 1 == widths.size();
            const UINT fit = last ? DT_END_ELLIPSIS : DT_NOCLIP;
            dc.DrawText(cells[column], &cell, (column == 0 || last ? DT_LEFT : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE | fit);
            x += widths[column];
        }
    };
    dc.SetTextColor(CChartFrame::Ink);
    paintRow(m_header, table.top);
    int x = left;
    for (std::size_t column = 0; column + 1 < widths.size(); ++column) {
        x += widths[column];
        dc.MoveTo(x, table.top + 1);
        dc.LineTo(x, table.bottom - 1);
    }
    int shareLeft = left;
    for (std::size_t column = 0; column < m_shareColumn && column < widths.size(); ++column)
        shareLeft += widths[column];
    const int shareWidth = m_shareColumn < widths.size() ? widths[m_shareColumn] - numberWidth - kPadding : 0;
    for (int index = 0; index < rowsShown; ++index) {
        const Row& row = m_rows[static_cast<std::size_t>(index)];
        const int top = table.top + (index + 1) * RowHeight;
        dc.MoveTo(table.left + 1, top);
        dc.LineTo(table.right - 1, top);
        paintRow(row.cells, top);
        const int barWidth = static_cast<int>(shareWidth * std::clamp(row.share, 0.0, 100.0) / 100.0);
        const RECT bar { shareLeft + kPadding, top + (RowHeight - kBarHeight) / 2, shareLeft + kPadding + barWidth,
            top + (RowHeight + kBarHeight) / 2 };
        dc.FillSolidRect(&bar, Bar);
        bars.push_back(bar);
    }
    dc.SelectObject(oldPen);
    RECT note { left, table.bottom + kPadding, right, table.bottom + kPadding + RowHeight };
    dc.SetTextColor(CChartFrame::Faded);
    dc.DrawText(m_note, &note, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(oldFont);
    return bars;
}
