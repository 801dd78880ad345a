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

// A column header in the caption colour. A width the user dragged outlives it in the layout
// store; without one the grid fits the column to its texts.
class CTableHeader : public CItemTable
{
public:
    CTableHeader(std::u16string caption, int columnId, int columnType);
    ~CTableHeader() override;

    int ColumnId() const { return m_columnId; }
    int ColumnType() const { return m_columnType; }
    bool HasStoredWidth() const { return m_storedWidth; }
    void SetDraggedWidth(int draggedWidth);
    // The width without a share of a wide window's spare width, as paper shows the column.
    int OwnWidth() const { return m_storedWidth ? width : naturalWidth; }
    CTableHeader* next = nullptr;
    CTableHeader* previous = nullptr;
    // Without a stored width: what the caption and the widest cell need, within a cap.
    int naturalWidth = 0;

private:
    int m_columnId;
    int m_columnType;
    bool m_storedWidth;
};

constexpr COLORREF CaptionColour = RGB(221, 165, 54);
