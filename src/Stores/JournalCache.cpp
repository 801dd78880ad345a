#include "JournalCache.h"

#include "DatabaseManager.h"
#include "InspectTable.h"
#include "JournalTable.h"
#include "SystemAccess.h"

#include <iterator>

void CJournalCache::Load(IDatabase* database)
{
    // A reload (after a restore) replaces what the store held.
    m_putOff.reset();
    m_records.clear();
    m_familyRecords.Clear();
    CJournalTable journal;
    journal.SelectEach(database, [this](const CJournalTable::content& row) {
        Record record;
        static_cast<JournalVisit&>(record) = row;
        record.id_family = row.id_family;
        record.id_record = row.id_record;
        AddRecord(row.id_journal, std::move(record));
    });

    // A record's hive rows follow one another; each run is given to its record in one piece, so
    // that the record's list is as long as what it holds.
    auto owner = m_records.end();
    std::vector<HiveRow> run;
    const auto giveRun = [&] {
        if (owner != m_records.end()) {
            std::vector<HiveRow>& hives = owner->second.hives;
            hives.reserve(hives.size() + run.size());
            std::move(run.begin(), run.end(), std::back_inserter(hives));
        }
        run.clear();
    };
    CInspectTable inspect;
    inspect.SelectEach(database, [&](const CInspectTable::content& row) {
        if (owner == m_records.end() || owner->first != row.id_journal) {
            giveRun();
            // Rows are written record after record: the next record is the likely one.
            const auto next = owner == m_records.end() ? owner : std::next(owner);
            owner = next != m_records.end() && next->first == row.id_journal ? next : m_records.find(row.id_journal);
        }
        run.push_back(HiveRow { row.id_housing, row.name_housing, row.brood, row.honey, row.open_brood,
            row.close_brood, row.goods_honey });
    });
    giveRun();
}

void CJournalCache::LoadOnFirstUse(const std::u16string& path)
{
    m_records.clear();
    m_familyRecords.Clear();
    m_putOff = path;
}

void CJournalCache::LoadPutOff()
{
    if (!m_putOff)
        return;
    CDatabaseLease database(*m_putOff);
    Load(database.get());
    // Freed memory lies between the records the load kept; without this the process keeps it.
    TrimFreedMemory();
}

const CJournalCache::Record* CJournalCache::FindRecord(std::int32_t idJournal) const
{
    const auto found = m_records.find(idJournal);
    return found != m_records.end() ? &found->second : nullptr;
}

const std::vector<std::int32_t>& CJournalCache::RecordsOf(std::int32_t idFamily) const
{
    return m_familyRecords.Of(idFamily);
}

void CJournalCache::AddRecord(std::int32_t idJournal, Record record)
{
    const std::int32_t idFamily = record.id_family;
    // New keys are the largest: the end is where they go.
    m_records.insert_or_assign(m_records.end(), idJournal, std::move(record));
    m_familyRecords.Add(idFamily, idJournal);
}

void CJournalCache::SetRecord(std::int32_t idJournal, const Record& record)
{
    const auto found = m_records.find(idJournal);
    if (found == m_records.end())
        return;
    const std::int32_t idFamily = found->second.id_family;
    found->second = record;
    found->second.id_family = idFamily;
}

void CJournalCache::RemoveRecord(std::int32_t idJournal)
{
    const auto found = m_records.find(idJournal);
    if (found == m_records.end())
        return;
    m_familyRecords.Remove(found->second.id_family, idJournal);
    m_records.erase(found);
}

CJournalCache* GetJournalCache()
{
    static CJournalCache cache;
    cache.LoadPutOff();
    return &cache;
}
