#pragma once

#include "Table.h"

// A dictionary of names whose keys the program assigns: the largest key plus one, 0 for the first.
// Because 0 also means "no key", the entry with key 0 is listed only with all others and can never
// be deleted.
class CTypeTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_type = 0;
        std::u16string name;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    void Update(IDatabase* database) override;
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // Keeps the record and stores the new id_type in it.
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    explicit CTypeTable(std::u16string name);

private:
    CRequest SelectRequest() const;
};
