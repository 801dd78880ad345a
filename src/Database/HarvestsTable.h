#pragma once

#include "KeyedTable.h"

// Honey taken from one colony on one day, its supers' weights in harvest_supers. The lot number
// gathers the harvests of several colonies into one lot of honey.
class CHarvestsTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_harvest = 0;
        std::int32_t id_family = 0;
        std::int64_t date = 0;
        std::u16string lot;
        std::u16string honey_kind;
        std::u16string note;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CHarvestsTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    // The colony's harvests; their supers go first, with CHarvestSupersTable::DeleteOfFamily.
    void DeleteOfFamily(IDatabase* database, std::int32_t idFamily);
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
