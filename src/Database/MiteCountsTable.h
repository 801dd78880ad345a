#pragma once

#include "KeyedTable.h"

// One count of varroa mites in a colony by one method: the mites found, and the sample they were
// found in (bees washed or rolled, drone cells opened) or the days a sticky board lay under the
// colony.
class CMiteCountsTable : public CKeyedTable
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_count = 0;
        std::int32_t id_family = 0;
        std::int64_t date = 0;
        // A MiteMethod.
        std::int32_t method = 0;
        std::int32_t mites = 0;
        std::int32_t sample = 0;
        double days = 0.0;
        std::u16string note;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CMiteCountsTable();

    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
    {
        SelectEachOf(database, record, each);
    }
    // The colony's counts, before the colony goes.
    void DeleteOfFamily(IDatabase* database, std::int32_t idFamily);
    CTable::content* CreateContent() override { return new content(); }

    content record;

protected:
    CTable::content& Record() override { return record; }
};
