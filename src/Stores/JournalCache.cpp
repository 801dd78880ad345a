#include "JournalCache.h"

#include "DatabaseManager.h"
#include "InspectTable.h"
#include "JournalTable.h"
#include "SystemAccess.h"
#include "Text.h"

#include <algorithm>
#include <iterator>

namespace {
using Record = CJournalCache::Record;

Record RecordOf(const CJournalTable::content& row)
{
    Record record;
    static_cast<JournalVisit&>(record) = row;
    record.id_family = row.id_family;
    record.id_record = row.id_record;
    return record;
}

CJournalCache::HiveRow HiveRowOf(const CInspectTable::content& row)
{
    return { row.id_housing, row.name_housing, row.brood, row.honey, row.open_brood, row.close_brood, row.goods_honey };
}

// Hands each run of a record's hive rows to the record in one piece, so that the record's list is
// as long as what it holds.
class HiveRunJoiner
{
public:
    explicit HiveRunJoiner(std::map<std::int32_t, Record>& records)
        : m_records(records)
        , m_owner(records.end())
    {
    }
    ~HiveRunJoiner() { GiveRun(); }
    HiveRunJoiner(const HiveRunJoiner&) = delete;
    HiveRunJoiner& operator=(const HiveRunJoiner&) = delete;

    void Join(const CInspectTable::content& row)
    {
        if (m_owner == m_records.end() || m_owner->first != row.id_journal) {
            GiveRun();
            // Rows come record after record: the next record is the likely one.
            const auto next = m_owner == m_records.end() ? m_owner : std::next(m_owner);
            m_owner = next != m_records.end() && next->first == row.id_journal ? next : m_records.find(row.id_journal);
        }
        m_run.push_back(HiveRowOf(row));
    }

private:
    void GiveRun()
    {
        if (m_owner != m_records.end()) {
            std::vector<CJournalCache::HiveRow>& hives = m_owner->second.hives;
            hives.reserve(hives.size() + m_run.size());
            std::move(m_run.begin(), m_run.end(), std::back_inserter(hives));
        }
        m_run.clear();
    }

    std::map<std::int32_t, Record>& m_records;
    std::map<std::int32_t, Record>::iterator m_owner;
    std::vector<CJournalCache::HiveRow> m_run;
};
}

void CJournalCache::Load(IDatabase* database)
{
    LoadEverything(database);
}

void CJournalCache::LoadEverything(IDatabase* database) const
{
    // A reload (after a restore) replaces what the store held.
    m_path.reset();
    m_loaded.clear();
    m_latest.clear();
    m_records.clear();
    m_familyRecords.Clear();
    CJournalTable journal;
    journal.SelectEach(database, [this](const CJournalTable::content& row) { Insert(row.id_journal, RecordOf(row)); });
    HiveRunJoiner joiner(m_records);
    CInspectTable().SelectEach(database, [&joiner](const CInspectTable::content& row) { joiner.Join(row); });
}

void CJournalCache::LoadOnFirstUse(const std::u16string& path)
{
    m_records.clear();
    m_familyRecords.Clear();
    m_loaded.clear();
    m_latest.clear();
    m_path = path;
}

void CJournalCache::LoadColony(std::int32_t idFamily) const
{
    if (!m_path || !m_loaded.insert(idFamily).second)
        return;
    m_latest.erase(idFamily);
    CDatabaseLease database(*m_path);
    CJournalTable journal;
    journal.record.id_family = idFamily;
    std::vector<std::pair<std::int32_t, Record>> found;
    journal.SelectEach(database.get(), [&found](const CJournalTable::content& row) { found.emplace_back(row.id_journal, RecordOf(row)); });
    // The colony's index may hand them by date; the store keeps them in the order they were added.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [idJournal, record] : found)
        Insert(idJournal, std::move(record));
    HiveRunJoiner joiner(m_records);
    CInspectTable().SelectEachOfFamily(
        database.get(), idFamily, [&joiner](const CInspectTable::content& row) { joiner.Join(row); });
}

const std::map<std::int32_t, Record>& CJournalCache::Records() const
{
    if (m_path) {
        const std::u16string path = *m_path;
        LoadEverything(CDatabaseLease(path).get());
        // Freed memory lies between the records the load kept; without this the process keeps it.
        TrimFreedMemory();
    }
    return m_records;
}

const Record* CJournalCache::FindRecord(std::int32_t idJournal) const
{
    auto found = m_records.find(idJournal);
    if (found == m_records.end() && m_path) {
        RowList rows;
        CDatabaseLease(*m_path)->ExecRequest(rows, u"SELECT id_family FROM journal WHERE id_journal=" + IntToText(idJournal));
        if (rows.empty())
            return nullptr;
        LoadColony(WToI(rows[0][0].second));
        found = m_records.find(idJournal);
    }
    return found != m_records.end() ? &found->second : nullptr;
}

const std::vector<std::int32_t>& CJournalCache::RecordsOf(std::int32_t idFamily) const
{
    LoadColony(idFamily);
    return m_familyRecords.Of(idFamily);
}

const Record* CJournalCache::LatestRecordOf(std::int32_t idFamily) const
{
    if (m_path && !m_loaded.contains(idFamily)) {
        if (const Record* latest = ReadLatest(idFamily))
            return latest;
    }
    const Record* latest = nullptr;
    for (std::int32_t id : RecordsOf(idFamily)) {
        const Record* record = FindRecord(id);
        if (record && (!latest || record->date >= latest->date))
            latest = record;
    }
    return latest;
}

const Record* CJournalCache::ReadLatest(std::int32_t idFamily) const
{
    if (const auto kept = m_latest.find(idFamily); kept != m_latest.end())
        return &kept->second;
    CDatabaseLease database(*m_path);
    std::optional<std::pair<std::int32_t, Record>> found;
    CJournalTable().SelectLatestOfFamily(database.get(), idFamily,
        [&found](const CJournalTable::content& row) { found.emplace(row.id_journal, RecordOf(row)); });
    // A date the text does not give is left to the whole colony's reading.
    if (!found || found->second.date == 0)
        return nullptr;
    CInspectTable inspect;
    inspect.record.id_journal = found->first;
    inspect.SelectEach(
        database.get(), [&found](const CInspectTable::content& row) { found->second.hives.push_back(HiveRowOf(row)); });
    return &m_latest.insert_or_assign(idFamily, std::move(found->second)).first->second;
}

void CJournalCache::Insert(std::int32_t idJournal, Record record) const
{
    const std::int32_t idFamily = record.id_family;
    // Loads and new records bring mostly ever larger keys: the end is where they go.
    m_records.insert_or_assign(m_records.end(), idJournal, std::move(record));
    m_familyRecords.Add(idFamily, idJournal);
}

void CJournalCache::AddRecord(std::int32_t idJournal, Record record)
{
    // The record is stored already: a colony loaded only now brings it along.
    LoadColony(record.id_family);
    if (const auto found = m_records.find(idJournal); found != m_records.end())
        found->second = std::move(record);
    else
        Insert(idJournal, std::move(record));
}

void CJournalCache::SetRecord(std::int32_t idJournal, const Record& record)
{
    if (!FindRecord(idJournal))
        return;
    Record& stored = m_records.at(idJournal);
    const std::int32_t idFamily = stored.id_family;
    stored = record;
    stored.id_family = idFamily;
}

void CJournalCache::RemoveRecord(std::int32_t idJournal)
{
    if (!FindRecord(idJournal))
        return;
    const auto found = m_records.find(idJournal);
    m_familyRecords.Remove(found->second.id_family, idJournal);
    m_records.erase(found);
}

CJournalCache* GetJournalCache()
{
    static CJournalCache cache;
    return &cache;
}
