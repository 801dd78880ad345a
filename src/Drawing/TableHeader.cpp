#include "TableHeader.h"

#include "LayoutStore.h"

CTableHeader::CTableHeader(std::u16string caption, int columnId, int columnType)
    : CItemTable(std::move(caption), CaptionColour)
    , m_columnId(columnId)
    , m_columnType(columnType)
{
    width = GetLayoutStore().GetColumnWidth(columnId);
    m_storedWidth = width > 0;
}

CTableHeader::~CTableHeader()
{
    if (m_storedWidth)
        GetLayoutStore().SetColumnWidth(m_columnId, width);
}

void CTableHeader::SetDraggedWidth(int draggedWidth)
{
    width = draggedWidth;
    m_storedWidth = true;
}
