#pragma once

#include "SheetData.h"
#include "Tr.h"
#include "UserFields.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A sheet of one kind of item, built column by column: its caption and the cell of each item.
template <class Item>
class CSheetBuilder
{
public:
    void Add(std::int32_t caption, std::function<CXlsxBook::Cell(const Item&)> cell)
    {
        // A form's label may end with a colon; a column's caption does not.
        std::u16string text = Tr(caption);
        if (!text.empty() && text.back() == u':')
            text.pop_back();
        m_columns.push_back({ std::move(text), std::move(cell) });
    }

    // The columns of a list page, as it shows them, of the part of the item the page lists.
    template <class Column, class Part>
    void AddPageColumns(const std::vector<Column>& columns, Part part)
    {
        for (const Column& column : columns)
            Add(column.caption, [column, part](const Item& item) { return TypedCell(column.cell(part(item)), column.type); });
    }

    template <class Column>
    void AddPageColumns(const std::vector<Column>& columns)
    {
        AddPageColumns(columns, [](const Item& item) -> const Item& { return item; });
    }

    // The user's own fields of the kind; group gives an item's group of values.
    void AddUserColumns(OwnerKind owner, std::function<std::int32_t(const Item&)> group)
    {
        auto fields = std::make_shared<CUserFields>(owner);
        for (const CUserFields::Field& field : fields->Fields()) {
            m_columns.push_back({ field.name, [fields, group, name = field.name, type = field.type](const Item& item) {
                                     return TypedCell(fields->Value(group(item), name), type);
                                 } });
        }
    }

    void AddRow(const Item& item)
    {
        CXlsxBook::Row& row = m_rows.emplace_back();
        for (const Column& column : m_columns)
            row.push_back(column.cell(item));
    }

    SheetData Sheet(std::int32_t name)
    {
        SheetData sheet { Tr(name), {}, std::move(m_rows) };
        for (const Column& column : m_columns)
            sheet.header.push_back(column.caption);
        return sheet;
    }

private:
    struct Column
    {
        std::u16string caption;
        std::function<CXlsxBook::Cell(const Item&)> cell;
    };
    std::vector<Column> m_columns;
    std::vector<CXlsxBook::Row> m_rows;
};
