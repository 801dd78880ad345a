#include "SchemaTables.h"

#include "EvacuationTable.h"
#include "FamiliesTable.h"
#include "FieldValuesTable.h"
#include "HousingsTable.h"
#include "InspectTable.h"
#include "JournalTable.h"
#include "PointsTable.h"
#include "QueenBeeTable.h"
#include "TypeFrameTable.h"
#include "TypeHousingsTable.h"
#include "UserFieldsTable.h"

#include <algorithm>

std::vector<std::unique_ptr<CTable>> CreateSchemaTables()
{
    std::vector<std::unique_ptr<CTable>> tables;
    tables.push_back(std::make_unique<CFieldValuesTable>());
    tables.push_back(std::make_unique<CPointsTable>());
    tables.push_back(std::make_unique<CQueenBeeTable>());
    tables.push_back(std::make_unique<CFamiliesTable>());
    tables.push_back(std::make_unique<CEvacuationTable>());
    tables.push_back(std::make_unique<CHousingsTable>());
    tables.push_back(std::make_unique<CInspectTable>());
    tables.push_back(std::make_unique<CJournalTable>());
    tables.push_back(std::make_unique<CUserFieldsTable>());
    tables.push_back(std::make_unique<CTypeHousingsTable>());
    tables.push_back(std::make_unique<CTypeFrameTable>());
    return tables;
}

std::vector<std::u16string> MissingSchemaTables(IDatabase* database)
{
    RowList rows;
    database->ExecRequest(rows, u"SELECT name FROM sqlite_master WHERE type='table';");
    std::vector<std::u16string> missing;
    if (rows.empty())
        return missing;
    for (const auto& table : CreateSchemaTables()) {
        const std::u16string name = table->GetName();
        if (std::none_of(rows.begin(), rows.end(), [&](const RowData& row) { return row.front().second == name; }))
            missing.push_back(name);
    }
    return missing;
}
