#pragma once

#include "CareKinds.h"
#include "Table.h"

#include <functional>

// The colonies a treatment or a feeding was given to: one row per colony, so that one entry can
// cover a whole site.
class CCareColoniesTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        // A CareKind.
        std::int32_t kind = 0;
        std::int32_t id_entry = 0;
        std::int32_t id_family = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CCareColoniesTable();

    // Rows name colonies, not values: they are inserted and deleted only.
    void Update(IDatabase*) override { }
    // The colonies of entry id_entry of the kind, else every row.
    IResult* Select(IDatabase* database) override;
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    void Insert(IDatabase* database) override;
    // The colonies of entry id_entry of the kind; nothing without it.
    void Delete(IDatabase* database) override;
    // Every entry's row of the colony: the entries stay for the colonies left, and in the register.
    void DeleteOfFamily(IDatabase* database, std::int32_t idFamily);
    CTable::content* CreateContent() override { return new content(); }

    // One row per colony of the entry.
    static void InsertAll(IDatabase* database, CareKind kind, std::int32_t idEntry, const std::vector<std::int32_t>& colonies);
    // Every row of the entry.
    static void DeleteAll(IDatabase* database, CareKind kind, std::int32_t idEntry);

    content record;

private:
    CRequest SelectRequest() const;
};
