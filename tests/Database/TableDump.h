#pragma once

#include "IDatabase.h"

#include <map>
#include <string>
#include <vector>

// The rows of tables as SQLite quotes their values, rowid first, so that two dumps are equal only
// when every value is the same, of the same type (NULL, 0 and '' differ).
using TableDump = std::map<std::u16string, std::vector<std::u16string>>;

inline std::vector<std::u16string> TableNames(IDatabase* database)
{
    RowList rows;
    // sqlite_sequence counts keys ever given, which no undo takes back.
    database->ExecRequest(rows, u"SELECT name FROM sqlite_master WHERE type='table' AND name<>'sqlite_sequence' ORDER BY name");
    std::vector<std::u16string> names;
    for (const RowData& row : rows)
        names.push_back(row.front().second);
    return names;
}

inline TableDump DumpTables(IDatabase* database, const std::vector<std::u16string>& names)
{
    TableDump dump;
    for (const std::u16string& name : names) {
        RowList columns;
        database->ExecRequest(columns, u"PRAGMA table_info(" + name + u")");
        std::u16string values = u"quote(rowid)";
        for (const RowData& column : columns) {
            for (const auto& [key, value] : column) {
                if (key == u"name")
                    values += u"||'|'||quote(\"" + value + u"\")";
            }
        }
        RowList rows;
        database->ExecRequest(rows, u"SELECT " + values + u" FROM " + name + u" ORDER BY rowid");
        std::vector<std::u16string>& lines = dump[name];
        for (const RowData& row : rows)
            lines.push_back(row.front().second);
    }
    return dump;
}

inline TableDump DumpTables(IDatabase* database)
{
    return DumpTables(database, TableNames(database));
}
