#pragma once

#include "CareWords.h"
#include "GridBuilder.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"

#include <cstdint>
#include <string>
#include <vector>

// The columns of the beekeeper's things as the list pages show them, each with its caption, type
// and view setting; the readable export of the whole journal takes the same columns.

// A colony with its latest record, null for a colony without records, and its latest mite count
// against the thresholds where the page shows it.
struct ColonyRow
{
    std::int32_t id;
    const CPointFamilyCache::Family& family;
    const CJournalCache::Record* latest;
    VarroaMark varroa {};
};

// A figure of the record's hives added up: its frames of honey or of brood.
std::int32_t SumOfHives(const CJournalCache::Record& record, std::int32_t CJournalCache::HiveRow::*field);
// The colony's type in the user's words.
std::u16string ColonyTypeName(std::int32_t type);

const std::vector<CGridBuilder<CPointFamilyCache::Point>::Column>& SiteColumns();
// The colony's own columns: name, type and note.
const std::vector<CGridBuilder<ColonyRow>::Column>& ColonyColumns();
const std::vector<CGridBuilder<CJournalCache::Record>::Column>& RecordColumns();
const std::vector<CGridBuilder<CJournalCache::HiveRow>::Column>& HiveLineColumns();
