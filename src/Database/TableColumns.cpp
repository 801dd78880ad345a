#include "TableColumns.h"

#include "IDatabase.h"

std::vector<TableColumn> TableColumns(IDatabase* database, const std::u16string& table)
{
    RowList rows;
    database->ExecRequest(rows, u"PRAGMA table_info(\"" + table + u"\");");
    std::vector<TableColumn> columns;
    for (const RowData& row : rows) {
        TableColumn& column = columns.emplace_back();
        for (const auto& [key, value] : row) {
            if (key == u"name")
                column.name = value;
            else if (key == u"type")
                column.type = value;
        }
    }
    return columns;
}
