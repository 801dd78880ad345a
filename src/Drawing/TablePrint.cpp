#include "TablePrint.h"

#include "Dc.h"
#include "FontHelper.h"
#include "TableDrawer.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr int kCaptionGap = 12;

int TotalWidth(const CTableDrawer& drawer)
{
    return std::accumulate(drawer.Headers().begin(), drawer.Headers().end(), 0,
        [](int sum, const auto& header) { return sum + header->OwnWidth(); });
}
}

CTablePrint::CTablePrint(std::u16string title, bool landscape)
    : m_title(std::move(title))
    , m_landscape(landscape)
{
}

CTablePrint::~CTablePrint() = default;

void CTablePrint::AddTable(const CTableDrawer& drawer, std::u16string caption)
{
    m_tables.push_back({ &drawer, std::move(caption), {}, 0, {} });
}

int CTablePrint::NaturalWidth() const
{
    int widest = 0;
    for (const Table& table : m_tables)
        widest = std::max(widest, TotalWidth(*table.drawer));
    return widest + 1;
}

void CTablePrint::Measure(Table& table, int width) const
{
    const CTableDrawer& drawer = *table.drawer;
    const int total = TotalWidth(drawer);
    // The right border line lies one pixel past the last column.
    const double scale = total + 1 > width && total > 0 ? static_cast<double>(width - 1) / total : 1.0;
    table.widths.clear();
    table.headerHeight = 0;
    for (const auto& header : drawer.Headers()) {
        const int shrunk = std::max(1, static_cast<int>(header->OwnWidth() * scale));
        table.widths.push_back(shrunk);
        table.headerHeight =
            std::max({ table.headerHeight, header->height, MeasureText(header->Text(), shrunk, drawer.Font()).cy });
    }
    table.rowHeights.clear();
    for (const auto& row : drawer.Rows()) {
        int height = row->height;
        for (const auto& cell : row->cells) {
            const int shrunk = table.widths[drawer.ColumnIndexOf(cell->header)];
            height = std::max(height, MeasureText(cell->Text(), shrunk, drawer.Font()).cy);
        }
        table.rowHeights.push_back(height);
    }
}

int CTablePrint::Paginate(const CSize& body)
{
    m_placed.clear();
    m_captionHeight = m_tables.empty() ? 0 : MeasureText(u"Ag", 0, m_tables.front().drawer->Font()).cy + kCaptionGap;
    int sheet = 0;
    int y = 0;
    for (std::size_t index = 0; index < m_tables.size(); ++index) {
        Table& table = m_tables[index];
        Measure(table, body.cx);
        const int captionHeight = table.caption.empty() ? 0 : m_captionHeight;
        const int firstRow = table.rowHeights.empty() ? 0 : table.rowHeights.front();
        const int gap = y > 0 ? kCaptionGap : 0;
        // A table starts on a new sheet unless its caption, header band and first row fit.
        if (y > 0 && y + gap + captionHeight + table.headerHeight + firstRow > body.cy) {
            ++sheet;
            y = 0;
        } else {
            y += gap;
        }
        if (captionHeight > 0) {
            m_placed.push_back({ sheet, y, Part::Caption, index, 0 });
            y += captionHeight;
        }
        m_placed.push_back({ sheet, y, Part::Header, index, 0 });
        y += table.headerHeight;
        bool rowOnSheet = false;
        for (std::size_t row = 0; row < table.rowHeights.size(); ++row) {
            if (rowOnSheet && y + table.rowHeights[row] > body.cy) {
                ++sheet;
                y = 0;
                m_placed.push_back({ sheet, y, Part::Header, index, 0 });
                y += table.headerHeight;
            }
            m_placed.push_back({ sheet, y, Part::Row, index, row });
            y += table.rowHeights[row];
            rowOnSheet = true;
        }
    }
    return sheet + 1;
}

void CTablePrint::PaintPart(CDC& dc, const CRect& body, const Placed& placed) const
{
    const Table& table = m_tables[placed.table];
    const CTableDrawer& drawer = *table.drawer;
    const int top = body.top + placed.y;
    if (placed.part == Part::Caption) {
        CFont* oldFont = dc.SelectObject(drawer.Font());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        CRect line(body.left, top, body.right, top + m_captionHeight - kCaptionGap / 2);
        dc.DrawText(table.caption, &line, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        dc.SelectObject(oldFont);
        return;
    }
    int x = body.left;
    for (std::size_t column = 0; column < drawer.Headers().size(); ++column) {
        const CTableHeader& header = *drawer.Headers()[column];
        const int width = table.widths[column];
        if (placed.part == Part::Header) {
            CItemTable item(header.Text(), header.colour);
            item.x = x;
            item.y = top;
            item.width = width;
            item.height = table.headerHeight;
            item.Paint(&dc, drawer.Font());
        } else {
            const TableRow& row = *drawer.Rows()[placed.row];
            const auto cell = std::find_if(
                row.cells.begin(), row.cells.end(), [&header](const auto& c) { return c->header == &header; });
            // Printed rows stay white: the screen's selection means nothing on paper.
            CItemTable item(cell != row.cells.end() ? (*cell)->Text() : std::u16string(), CellColour);
            item.x = x;
            item.y = top;
            item.width = width;
            item.height = table.rowHeights[placed.row];
            item.Paint(&dc, drawer.Font());
        }
        x += width;
    }
}

void CTablePrint::PaintSheet(CDC& dc, const CRect& body, int sheet)
{
    for (const Placed& placed : m_placed) {
        if (placed.sheet == sheet)
            PaintPart(dc, body, placed);
    }
}
