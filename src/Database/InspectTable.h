#pragma once

#include "Table.h"

// The hive rows of journal records. A row is known by its record and its hive key, or by the
// hive's name when the key is 0.
class CInspectTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        // -1 selects the rows of every record.
        std::int32_t id_journal = -1;
        std::int32_t id_housing = 0;
        std::u16string name_housing;
        std::int32_t honey = 0;
        std::int32_t brood = 0;
        std::int32_t open_brood = 0;
        std::int32_t close_brood = 0;
        std::int32_t goods_honey = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CInspectTable();

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // The rows of every record of the colony, record after record, each record's in table order.
    void SelectEachOfFamily(IDatabase* database, std::int32_t idFamily, const std::function<void(const content&)>& each);
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
