#pragma once

#include "Table.h"

// Hives. They are never removed, only marked deleted, and every select skips the marked ones.
class CHousingsTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_housing = 0;
        std::u16string name;
        // -1 selects the hives of every colony, 0 those of none.
        std::int32_t id_family = -1;
        std::int32_t type_housing = 0;
        std::int32_t type_frame = 0;
        bool is_delete = false;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CHousingsTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // Runs in its own transaction (nested inside the caller's, if any); keeps the record and
    // stores the new id_housing in it.
    void Insert(IDatabase* database) override;
    // Marks the hive deleted.
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
