#pragma once

#include "SheetTable.h"

#include <cstdint>
#include <string>
#include <vector>

// Where a column of an imported table goes: a field of the record, its colony's site or name, a
// hive line's hive, brood or honey, one of the records' own fields, or nowhere.
enum class ImportField
{
    Skip,
    Site,
    Colony,
    Date,
    Frames,
    Strength,
    Brood,
    Honey,
    Notes,
    Hive,
    UserField,
};

struct ImportTarget
{
    ImportField field = ImportField::Skip;
    // The records' own field, for UserField.
    std::u16string userField;

    bool operator==(const ImportTarget&) const = default;
};

// One target for each column of the table, in the columns' order.
using ImportMapping = std::vector<ImportTarget>;

// The targets the headers name, in Russian or English, as the program's own exports head them or
// as a beekeeper would; a header may also name one of the records' own fields. A field is taken by
// the first column naming it, the others are skipped.
ImportMapping GuessImportMapping(const std::vector<std::u16string>& header, const std::vector<std::u16string>& userFields);

// The table of a book that holds records: the first whose headers name a date (the program's own
// readable journal has its sites and colonies before its records), else the first. The tables are
// not empty.
const SheetTable& RecordsTable(const std::vector<SheetTable>& tables);

// The mapping as one text for the settings store, and back; a target that is not one of the fields
// now (a user field since removed) reads as skipped, a text for other headers as no mapping.
std::u16string ImportMappingText(const ImportMapping& mapping);
ImportMapping ImportMappingFromText(std::u16string_view text, std::size_t columns, const std::vector<std::u16string>& userFields);
// The settings store's name for the mapping of tables with these headers.
std::u16string ImportMappingName(const std::vector<std::u16string>& header);
