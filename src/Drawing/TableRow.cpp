#include "TableRow.h"

#include "LayoutStore.h"
#include "TableHeader.h"

CTableCel::CTableCel(std::u16string text, CTableHeader* cellHeader)
    : CItemTable(std::move(text), CellColour)
    , header(cellHeader)
{
}

TableRow::TableRow(int rowId, int rowType)
    : id(rowId)
    , type(rowType)
{
    const int stored = GetLayoutStore().GetRowHeight(id, type);
    height = stored > 0 ? stored : DefaultRowHeight;
}

TableRow::~TableRow()
{
    GetLayoutStore().SetRowHeight(id, type, height);
}
