#pragma once

#include "DatabaseManager.h"
#include "MessageBox.h"
#include "Result.h"
#include "StorageErrorBoxes.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

// A fresh Journal.db with every table, open for the test; message boxes are recorded, not shown.
class TableFixture : public testing::Test
{
protected:
    TableFixture() { GetDatabaseManager()->Initialize(); }

    RowList Exec(const std::u16string& text)
    {
        RowList rows;
        db->ExecRequest(rows, text);
        return rows;
    }

    // The value texts of one column over all rows of a query.
    std::vector<std::u16string> Column(const std::u16string& text)
    {
        std::vector<std::u16string> values;
        for (const RowData& row : Exec(text))
            values.push_back(row.front().second);
        return values;
    }

    // The typed records of a table's select; the result is released when the test ends.
    template <class Table> std::vector<typename Table::content*> SelectFrom(Table& table)
    {
        results.emplace_back(table.Select(db.get()));
        return RecordsOf<typename Table::content>(results.back().get());
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    CDatabaseLease db;
    std::vector<ReleasePtr<IResult>> results;
};
