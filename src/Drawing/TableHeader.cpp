#include "TableHeader.h"

#include "LayoutStore.h"

CTableHeader::CTableHeader(std::u16string caption, int columnId, int columnType)
    : CItemTable(std::move(caption), CaptionColour)
    , m_columnId(columnId)
    , m_columnType(columnType)
{
    width = GetLayoutStore().GetColumnWidth(columnId);
}

CTableHeader::~CTableHeader()
{
    GetLayoutStore().SetColumnWidth(m_columnId, width);
}
