#pragma once

#include "InspectHousing.h"
#include "JournalVisit.h"
#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class IDatabase;

// The journal records (colony visits) with their per-hive rows. Loading is not a change of what
// the store stands for: a store put off loads a colony's records when they are first asked for.
class CJournalCache
{
public:
    // One hive of a visit, as the inspection operations carry it.
    using HiveRow = InspectHousing;
    struct Record : JournalVisit
    {
        std::int32_t id_family = 0;
        std::int32_t id_record = 0;
        std::vector<HiveRow> hives;

        bool operator==(const Record&) const = default;
    };

    // Every record, now.
    void Load(IDatabase* database);
    // From the journal at `path`, each colony's records at their first use: the start needs no
    // record, and a beekeeper looks at one colony at a time.
    void LoadOnFirstUse(const std::u16string& path);

    // Every record, loading those of the colonies not loaded yet.
    const std::map<std::int32_t, Record>& Records() const;
    const Record* FindRecord(std::int32_t idJournal) const;
    // The colony's records in the order they were added.
    const std::vector<std::int32_t>& RecordsOf(std::int32_t idFamily) const;
    // The colony's record of the latest day, of those on one day the last entered; null without
    // records. A colony not loaded reads only that record.
    const Record* LatestRecordOf(std::int32_t idFamily) const;

    void AddRecord(std::int32_t idJournal, Record record);
    // Replaces the record; it keeps its colony.
    void SetRecord(std::int32_t idJournal, const Record& record);
    void RemoveRecord(std::int32_t idJournal);

private:
    void LoadEverything(IDatabase* database) const;
    void LoadColony(std::int32_t idFamily) const;
    void Insert(std::int32_t idJournal, Record record) const;
    // The colony's latest record read on its own, when the colony is not loaded and its date reads.
    const Record* ReadLatest(std::int32_t idFamily) const;

    mutable std::map<std::int32_t, Record> m_records;
    mutable COwnerIndex m_familyRecords;
    // While set, only the colonies in m_loaded are in the store.
    mutable std::optional<std::u16string> m_path;
    mutable std::set<std::int32_t> m_loaded;
    // Latest records of colonies not loaded; a change of a colony's records drops its entry.
    mutable std::map<std::int32_t, Record> m_latest;
};

CJournalCache* GetJournalCache();
