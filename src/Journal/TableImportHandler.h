#pragma once

#include "ImportMapping.h"
#include "SheetTable.h"

#include <cstdint>
#include <optional>

// Takes in the rows of a table (CSV or spreadsheet) as records by a mapping of its columns: the
// only writer of many tables at once, as the rows bring new sites, colonies and hives. The journal
// is backed up first and the rows taken in one transaction; the stores are read again and every
// page told once it is committed.
class CTableImportHandler
{
public:
    // The number of records added; none when nothing was written, the user told why.
    std::optional<std::size_t> Import(const SheetTable& table, const ImportMapping& mapping, std::int32_t defaultColony);
};
