#pragma once

#include <string>
#include <vector>

class IDatabase;

struct TableColumn
{
    std::u16string name;
    // As declared, such as "INTEGER" or "DATE".
    std::u16string type;
};

// The table's columns as the file has them, in order, so that a journal from an older or newer
// version is read as it is; none when the file has no such table.
std::vector<TableColumn> TableColumns(IDatabase* database, const std::u16string& table);
