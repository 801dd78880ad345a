#pragma once

#include "ImportMapping.h"
#include "JournalVisit.h"
#include "Operation.h"
#include "SheetTable.h"

#include <cstdint>
#include <string>
#include <vector>

// Why a row of the table is not taken.
enum class ImportSkipReason
{
    NoDate,
    BadDate,
    BadNumber,
    NotWhole,
    NoColony,
    // The colony is not in the journal and the row names no site to add it at.
    NoSite,
    // The colony has a record of that day with the same figures and notes: the file was taken in before.
    AlreadyInJournal,
};

struct ImportSkip
{
    int row = 0;
    ImportSkipReason reason = ImportSkipReason::NoDate;
    // The header of the column at fault.
    std::u16string column;

    bool operator==(const ImportSkip&) const = default;
};

// A site, colony or hive of the journal (id), or one the import adds (its index in the plan's list).
struct ImportRef
{
    std::int32_t id = 0;
    int added = -1;

    bool operator==(const ImportRef&) const = default;
};

// What taking a table in would write, worked out from the stores before anything is written.
struct ImportPlan
{
    struct Colony
    {
        std::u16string name;
        ImportRef site;
    };
    struct Hive
    {
        std::u16string name;
        ImportRef colony;
    };
    struct Record
    {
        int row = 0;
        ImportRef colony;
        JournalVisit visit;
        // A hive line when the row names a hive or gives its brood or honey.
        bool hiveLine = false;
        ImportRef hive;
        std::u16string hiveName;
        std::int32_t brood = 0;
        std::int32_t honey = 0;
        FieldValues values;
    };

    std::vector<std::u16string> newSites;
    std::vector<Colony> newColonies;
    std::vector<Hive> newHives;
    std::vector<Record> records;
    std::vector<ImportSkip> skipped;
};

// The rows of the table as records by the mapping. Sites, colonies and hives are found by name
// (trimmed, in any case) or added; a row without a colony goes to defaultColony when it is one.
ImportPlan PlanTableImport(const SheetTable& table, const ImportMapping& mapping, std::int32_t defaultColony);
