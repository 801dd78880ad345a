#pragma once

#include "Table.h"

#include <vector>

// The records of one select, owned by the result until it is released.
class IResult : public IBase
{
public:
    virtual std::uint32_t GetCount() = 0;
    virtual CTable::content* GetAt(std::uint32_t index) = 0;
    virtual void Clear() = 0;
};

class CResult : public IResult
{
public:
    CResult() = default;
    ~CResult() override { Clear(); }
    CResult(const CResult&) = delete;
    CResult& operator=(const CResult&) = delete;

    void Release() override;
    std::uint32_t GetCount() override { return static_cast<std::uint32_t>(m_records.size()); }
    CTable::content* GetAt(std::uint32_t index) override { return m_records[index]; }
    void Clear() override;

    // Takes ownership of record.
    void Append(CTable::content* record) { m_records.push_back(record); }

private:
    std::vector<CTable::content*> m_records;
};

// The records of a table's select, typed: RecordsOf<CPointsTable::content>(result).
template <class Record>
std::vector<Record*> RecordsOf(IResult* result)
{
    std::vector<Record*> records;
    for (std::uint32_t i = 0; result && i < result->GetCount(); ++i)
        records.push_back(static_cast<Record*>(result->GetAt(i)));
    return records;
}
