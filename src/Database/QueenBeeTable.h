#pragma once

#include "Table.h"

// Queen bees, each in a colony or none (0) and with a mother queen or none (0).
class CQueenBeeTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_queen_bee = 0;
        std::u16string name;
        std::u16string description;
        std::u16string fert;
        std::int32_t id_parent_queen_bee = 0;
        std::int32_t id_family = 0;
        std::int64_t date = 0;
        bool is_dead = false;
        std::int32_t breed = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CQueenBeeTable();

    // Leaves the colony and the mother alone.
    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // Keeps the record and stores the new id_queen_bee in it.
    void Insert(IDatabase* database) override;
    // By key, else by name, else by colony, else every queen; the daughters of a queen deleted by key
    // lose their mother.
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
