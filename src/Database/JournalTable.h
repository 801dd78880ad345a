#pragma once

#include "JournalVisit.h"
#include "Table.h"

// Journal records: one per colony visit.
class CJournalTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content, public JournalVisit
    {
    public:
        std::int32_t id_journal = 0;
        std::int32_t id_family = 0;
        std::int32_t id_record = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CJournalTable();

    void Update(IDatabase* database) override;
    // By colony when id_family is set, else by id_journal, else every record.
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // The colony's record of the latest day, of those on one day the last entered, among the
    // records whose date is stored as "dd.mm.yyyy ..."; none when the colony has no such record.
    void SelectLatestOfFamily(IDatabase* database, std::int32_t idFamily, const std::function<void(const content&)>& each);
    // Keeps the record and stores the new id_journal in it.
    void Insert(IDatabase* database) override;
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
