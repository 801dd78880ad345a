#pragma once

#include "Drawer.h"
#include "RowHeightIndex.h"
#include "TableHeader.h"
#include "TableRow.h"

#include <memory>
#include <string>
#include <vector>

class CFont;

// A spreadsheet-like grid: a band of column headers on top, rows of text cells below, column
// widths and row heights the user drags, one selected row and sorting by a column's type. The
// owning view feeds it (Clear, AddHeader ..., rows with AddCell and AddRow, LayoutHeaders,
// SortByColumn) and drives scrolling, capture and cursors. Coordinates are the owner's client ones.
class CTableDrawer : public CDrawer
{
public:
    explicit CTableDrawer(CWnd* owner);
    ~CTableDrawer() override;

    bool IsKind(int kind) const override { return kind == 0; }
    void Draw(CDC* dc, int left, int top, int right, int bottom) override;

    void Clear();
    CTableHeader* AddHeader(const std::u16string& caption, int columnId, int columnType);
    static std::unique_ptr<TableRow> NewRow(int id, int type) { return std::make_unique<TableRow>(id, type); }
    void AddCell(TableRow* row, const std::u16string& text, CTableHeader* header);
    void AddRow(std::unique_ptr<TableRow> row);
    void RemoveRow(int id);
    void SortByColumn(int columnId);
    // Fits the columns without a stored width to their texts, then sizes the headers.
    void LayoutHeaders();
    // The width the grid has to show its columns in: what the columns leave of it goes to the
    // text columns after the first whose width is not stored.
    void FitToWidth(int width);

    void SetHorizontalOffset(int x);
    void SetVerticalOffset(std::int64_t position);
    void ScrollToTop();

    // The row under the point, none over the headers, right of the columns or below the rows.
    TableRow* RowAt(int x, int y) const;
    void SelectRowAt(int x, int y);
    void SelectFirstRow();
    // Selects the row (one of the grid's, or none).
    void SelectRow(TableRow* row);
    void SetRowHighlight(TableRow* row, bool on);
    std::u16string GetCellText(const TableRow* row, int columnId) const;
    // The whole text of the shown cell at the point when the cell cuts it short, else empty.
    std::u16string ClippedTextAt(int x, int y) const;

    CTableHeader* HitColumnBorder(int x, int y) const;
    bool HitRowBorder(int x, int y) const;
    bool BeginRowResize(int y);
    // Resizes a row's cells and its entry in the height index.
    void SetRowHeight(TableRow* row, int height);
    void EndRowResize();
    TableRow* ResizedRow() const { return m_resizedRow; }

    const std::vector<std::unique_ptr<TableRow>>& Rows() const { return m_rows; }
    const std::vector<std::unique_ptr<CTableHeader>>& Headers() const { return m_headers; }
    // The place of the column among the headers, left to right.
    std::size_t ColumnIndexOf(const CTableHeader* header) const;
    TableRow* FirstVisibleRow() const { return m_firstVisible; }
    TableRow* SelectedRow() const { return m_selected; }
    // While the table has the keyboard focus its selected row wears a dotted frame.
    void ShowFocus(bool shown) { m_focusShown = shown; }
    int FirstRowOffset() const { return m_firstRowOffset; }
    int BarHeight() const { return m_barHeight; }
    CFont* Font() const { return m_font.get(); }
    int TotalWidth() const { return m_totalWidth; }
    // Content height of all rows: with the bar height, the vertical scroll range.
    std::int64_t TotalHeight() const { return m_index.Total(); }
    const RowHeightIndex& Index() const { return m_index; }

private:
    void MeasureHeader(CTableHeader* header) const;
    void FitNaturalWidths();
    void SpreadWidth();
    void PlaceHeaders();
    TableRow* RowWithBottomAt(int y) const;
    int CompareRows(const TableRow& a, const TableRow& b, int columnId, int columnType) const;
    void QuickSort(int low, int high, int columnId, int columnType);
    // Relinks the rows and rebuilds the height index in vector order, after a sort or a removal.
    void Reindex();

    std::unique_ptr<CFont> m_font;
    int m_firstRowOffset = 0;
    TableRow* m_firstVisible = nullptr;
    TableRow* m_selected = nullptr;
    TableRow* m_resizedRow = nullptr;
    bool m_rowResizing = false;
    bool m_focusShown = false;
    RowHeightIndex m_index;
    std::vector<std::unique_ptr<TableRow>> m_rows;
    int m_horizontalOffset = 0;
    int m_barHeight = 0;
    int m_totalWidth = 0;
    int m_areaWidth = 0;
    std::vector<std::unique_ptr<CTableHeader>> m_headers;
};
