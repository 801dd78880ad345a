#include "Result.h"

void CResult::Release()
{
    delete this;
}

void CResult::Clear()
{
    for (CTable::content* record : m_records)
        record->Release();
    m_records.clear();
}
