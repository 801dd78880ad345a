#include "JournalCache.h"

#include "InspectTable.h"
#include "JournalTable.h"
#include "Result.h"

namespace {
const std::vector<std::int32_t> kNoRecords;
}

void CJournalCache::Load(IDatabase* database)
{
    CJournalTable journal;
    ReleasePtr<IResult> rows(journal.Select(database));
    for (const auto* row : ::RecordsOf<CJournalTable::content>(rows.get())) {
        Record record;
        record.id_family = row->id_family;
        record.date = row->date;
        record.frame = row->frame;
        record.strength = row->strength;
        record.is_queen_bee = row->is_queen_bee;
        record.wax = row->wax;
        record.ambrosia = row->ambrosia;
        record.evacuation = row->evacuation;
        record.dieting = row->dieting;
        record.disease = row->disease;
        record.note = row->note;
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
    const auto found = m_familyRecords.find(idFamily);
    return found != m_familyRecords.end() ? found->second : kNoRecords;
}

void CJournalCache::AddRecord(std::int32_t idJournal, const Record& record)
{
    m_records[idJournal] = record;
    m_familyRecords[record.id_family].push_back(idJournal);
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
    if (auto list = m_familyRecords.find(found->second.id_family); list != m_familyRecords.end()) {
        std::erase(list->second, idJournal);
        if (list->second.empty())
            m_familyRecords.erase(list);
    }
    m_records.erase(found);
}

CJournalCache* GetJournalCache()
{
    static CJournalCache cache;
    return &cache;
}
