#pragma once

#include "ItemTable.h"

#include <memory>
#include <vector>

class CTableHeader;

constexpr COLORREF CellColour = RGB(255, 255, 255);
constexpr COLORREF SelectedCellColour = RGB(200, 200, 200);
// The text of a colony that has ended (lost, or united into another), in the tables and the tree.
constexpr COLORREF EndedTextColour = RGB(150, 150, 150);

// A grid cell: x and width come from its column's header, y and height from its row.
class CTableCel : public CItemTable
{
public:
    CTableCel(std::u16string text, CTableHeader* header);
    CTableHeader* header;
};

// One record's row. (type, id) keys its height in the layout store, where the destructor
// leaves it. Types: 1 sites, 2 colonies, 3 inspection records.
struct TableRow
{
    TableRow(int id, int type);
    ~TableRow();
    TableRow(const TableRow&) = delete;
    TableRow& operator=(const TableRow&) = delete;

    std::vector<std::unique_ptr<CTableCel>> cells;
    int y = 0;
    int height;
    int id;
    int type;
    TableRow* next = nullptr;
    TableRow* previous = nullptr;
    std::size_t index = 0; // position in the drawer's rows and in its height index
};

constexpr int DefaultRowHeight = 42;
