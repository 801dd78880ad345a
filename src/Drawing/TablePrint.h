#pragma once

#include "PrintablePage.h"

#include <cstddef>
#include <string>
#include <vector>

class CTableDrawer;

// Tables on paper as their grids show them: the same columns in the same order, cells and
// headers painted as on screen, the header band repeated on every sheet a table runs over.
// Tables follow one another, each under its caption. Columns wider than the sheet shrink in
// proportion, their texts wrapping onto taller rows.
class CTablePrint : public IPrintablePage
{
public:
    explicit CTablePrint(std::u16string title, bool landscape = false);
    ~CTablePrint() override;

    // The grid must outlive the printout; the caption above it may be empty.
    void AddTable(const CTableDrawer& drawer, std::u16string caption);

    std::u16string Title() const override { return m_title; }
    int NaturalWidth() const override;
    bool WantsLandscape() const override { return m_landscape; }
    int Paginate(const CSize& body) override;
    void PaintSheet(CDC& dc, const CRect& body, int sheet) override;

    // The widths of a table's columns as the last layout printed them.
    const std::vector<int>& PrintedWidths(std::size_t table) const { return m_tables[table].widths; }

private:
    struct Table
    {
        const CTableDrawer* drawer;
        std::u16string caption;
        std::vector<int> widths;
        int headerHeight = 0;
        std::vector<int> rowHeights;
    };
    enum class Part
    {
        Caption,
        Header,
        Row,
    };
    struct Placed
    {
        int sheet;
        int y;
        Part part;
        std::size_t table;
        std::size_t row;
    };

    void Measure(Table& table, int width) const;
    void PaintPart(CDC& dc, const CRect& body, const Placed& placed) const;

    std::u16string m_title;
    bool m_landscape;
    std::vector<Table> m_tables;
    std::vector<Placed> m_placed;
    int m_captionHeight = 0;
};
