#pragma once

#include "ItemTable.h"

// Sort rules of a column.
enum ColumnType
{
    ColumnText = 1,
    ColumnInteger = 2,
    ColumnReal = 3,
    ColumnCheck = 4,
    ColumnDate = 5,
};

// A column header in the caption colour. Its width outlives it in the layout store.
class CTableHeader : public CItemTable
{
public:
    CTableHeader(std::u16string caption, int columnId, int columnType);
    ~CTableHeader() override;

    int ColumnId() const { return m_columnId; }
    int ColumnType() const { return m_columnType; }
    CTableHeader* next = nullptr;
    CTableHeader* previous = nullptr;

private:
    int m_columnId;
    int m_columnType;
};

constexpr COLORREF CaptionColour = RGB(221, 165, 54);
