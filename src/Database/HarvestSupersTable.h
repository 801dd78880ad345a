#pragma once

#include "Table.h"

#include <functional>

// The supers of a harvest, each with the weight of honey taken in it, in kilograms.
class CHarvestSupersTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_harvest = 0;
        // 1 for the first super taken.
        std::int32_t position = 0;
        double weight = 0.0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CHarvestSupersTable();

    // A harvest's supers are replaced as a whole, never changed one by one.
    void Update(IDatabase*) override { }
    // The supers of harvest id_harvest, else every row; by harvest and position.
    IResult* Select(IDatabase* database) override;
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    void Insert(IDatabase* database) override;
    // The supers of harvest id_harvest; nothing without it.
    void Delete(IDatabase* database) override;
    // The supers of the colony's harvests, before the harvests themselves go.
    void DeleteOfFamily(IDatabase* database, std::int32_t idFamily);
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
