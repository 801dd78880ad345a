#include "JournalCache.h"

#include "InspectTable.h"
#include "JournalTable.h"
#include "Result.h"

void CJournalCache::Load(IDatabase* database)
{
    CJournalTable journal;
    ReleasePtr<IResult> rows(journal.Select(database));
    for (const auto* row : ::RecordsOf<CJournalTable::content>(rows.get())) {
        Record record;
        static_cast<JournalVisit&>(record) = *row;
        record.id_family = row->id_family;
        record.id_record = row->id_record;
        AddRecord(row->id_journal, record);
    }

    CInspectTable inspect;
    ReleasePtr<IResult> hiveRows(inspect.Select(database));
    for (const auto* row : ::RecordsOf<CInspectTable::content>(hiveRows.get())) {
        const auto found = m_records.find(row->id_journal);
        if (found == m_records.end())
            continue;
        found->second.hives.push_back(HiveRow { row->id_housing, row->name_housing, row->brood, row->honey,
            row->open_brood, row->close_brood, row->goods_honey });
    }
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

void CJournalCache::AddRecord(std::int32_t idJournal, const Record& record)
{
    m_records[idJournal] = record;
    m_familyRecords.Add(record.id_family, idJournal);
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
    return &cache;
}
