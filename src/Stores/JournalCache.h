#pragma once

#include "InspectHousing.h"
#include "JournalVisit.h"
#include "OwnerIndex.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class IDatabase;

// The journal records (colony visits) with their per-hive rows.
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

    void Load(IDatabase* database);
    // Loads from the journal at `path` at the first use through GetJournalCache instead of now:
    // the start needs no record, and the records are most of the journal.
    void LoadOnFirstUse(const std::u16string& path);
    // Loads now what LoadOnFirstUse put off; nothing when nothing is put off.
    void LoadPutOff();

    const std::map<std::int32_t, Record>& Records() const { return m_records; }
    const Record* FindRecord(std::int32_t idJournal) const;
    const std::vector<std::int32_t>& RecordsOf(std::int32_t idFamily) const;

    void AddRecord(std::int32_t idJournal, Record record);
    // Replaces the record; it keeps its colony.
    void SetRecord(std::int32_t idJournal, const Record& record);
    void RemoveRecord(std::int32_t idJournal);

private:
    std::map<std::int32_t, Record> m_records;
    COwnerIndex m_familyRecords;
    std::optional<std::u16string> m_putOff;
};

// The program's records, loaded first if their load was put off.
CJournalCache* GetJournalCache();
