#pragma once

#include "Table.h"

// Bee-yard sites.
class CPointsTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_point = 0;
        std::u16string name;
        std::int32_t id_record = 0;
        std::u16string note;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CPointsTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // Keeps the record and stores the new id_point in it.
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
