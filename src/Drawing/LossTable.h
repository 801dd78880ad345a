#pragma once

#include "ChartFrame.h"

#include <string>
#include <vector>

// A chart page's table: rows of texts under a header row, each row with a share (0 to 100) drawn
// as a bar left of its number in the share column, and a note below the table. The columns are as
// wide as their texts; the last takes the width left and cuts its texts with an ellipsis.
class CLossTable
{
public:
    struct Row
    {
        std::vector<std::u16string> cells;
        double share = 0;
    };

    // The header gives the columns; `shareColumn` is the one that shows the bar.
    void SetData(std::u16string title, std::vector<std::u16string> header, std::vector<Row> rows,
        std::size_t shareColumn, std::u16string note, std::u16string emptyText);
    const std::u16string& Title() const { return m_title; }
    const std::vector<std::u16string>& Header() const { return m_header; }
    const std::vector<Row>& Rows() const { return m_rows; }

    // Returns the places of the rows' share bars, in row order.
    std::vector<RECT> Paint(CDC& dc, const RECT& rect) const;

    static constexpr COLORREF Bar = RGB(192, 57, 43);
    static constexpr int RowHeight = 24;

private:
    CChartFrame m_frame;
    std::u16string m_title;
    std::vector<std::u16string> m_header;
    std::vector<Row> m_rows;
    std::size_t m_shareColumn = 0;
    std::u16string m_note;
    std::u16string m_emptyText;
};
