#pragma once

#include "Table.h"

// Bee colonies, each kept at one site.
class CFamiliesTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_family = 0;
        std::u16string name;
        std::int32_t id_point = 0;
        std::u16string note;
        std::int32_t type = 0;
        std::int32_t id_record = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CFamiliesTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // Keeps the record and stores the new id_family in it.
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
