#pragma once

#include "TableDrawer.h"
#include "Tr.h"
#include "UserFields.h"
#include "ViewSetting.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Rebuilds a grid from records of one kind: the columns described by a table (each shown always
// or when its view setting is checked), the user's own fields, then one row per record.
template <class Item>
class CGridBuilder
{
public:
    struct Column
    {
        int id;
        std::int32_t caption;
        int type;
        const char16_t* setting; // null: always shown
        std::function<std::u16string(const Item&)> cell;
    };

    // Empties the grid.
    CGridBuilder(CTableDrawer& grid, std::int32_t settingsCaption)
        : m_grid(grid)
        , m_settingsCaption(settingsCaption)
    {
        m_grid.Clear();
    }

    void AddColumns(const std::vector<Column>& columns)
    {
        for (const Column& column : columns) {
            if (column.setting && !IsViewSettingChecked(m_settingsCaption, column.setting))
                continue;
            CTableHeader* header = m_grid.AddHeader(Tr(column.caption), column.id, column.type);
            m_cells.push_back({ header, column.cell, {} });
        }
    }

    // One column per user field of the owner kind, with ids counting up from firstId.
    void AddUserColumns(OwnerKind owner, int firstId)
    {
        m_fields = std::make_unique<CUserFields>(owner);
        int id = firstId;
        for (const CUserFields::Field& field : m_fields->Fields())
            m_cells.push_back({ m_grid.AddHeader(field.name, id++, field.type), nullptr, field.name });
    }

    // idRecord is the record's group of user field values.
    // Returns the row, which the grid owns.
    TableRow* AddRow(int id, OwnerKind kind, std::int32_t idRecord, const Item& item)
    {
        auto row = CTableDrawer::NewRow(id, Stored(kind));
        for (const Cell& cell : m_cells)
            m_grid.AddCell(row.get(), cell.text ? cell.text(item) : m_fields->Value(idRecord, cell.field), cell.header);
        TableRow* added = row.get();
        m_grid.AddRow(std::move(row));
        return added;
    }

    // Sizes the headers, then sorts by the column unless it is 0.
    void Finish(int sortColumn)
    {
        m_grid.LayoutHeaders();
        if (sortColumn != 0)
            m_grid.SortByColumn(sortColumn);
    }

private:
    struct Cell
    {
        CTableHeader* header;
        std::function<std::u16string(const Item&)> text;
        std::u16string field;
    };

    CTableDrawer& m_grid;
    std::int32_t m_settingsCaption;
    std::unique_ptr<CUserFields> m_fields;
    std::vector<Cell> m_cells;
};
