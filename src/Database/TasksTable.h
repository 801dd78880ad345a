#pragma once

#include "KeyedTable.h"

// One task the beekeeper plans: its title and kind, the day (and time) it is due, how often it
// recurs and until when, whether it is done and by which record. Its colonies are rows of
// care_colonies of the kind Task.
class CTasksTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_task = 0;
        std::u16string title;
        // A TaskKind.
        std::int32_t kind = 0;
        std::int64_t due = 0;
        // Minutes after midnight, -1 for the whole day.
        std::int32_t due_minutes = -1;
        std::int32_t every_days = 0;
        std::int64_t repeat_until = 0;
        bool done = false;
        std::int64_t done_on = 0;
        std::int32_t id_record = 0;
        std::u16string uid;
        std::u16string note;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CTasksTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
