#pragma once

#include "SheetData.h"

#include <filesystem>
#include <optional>
#include <vector>

class IDatabase;

// The whole journal in the beekeeper's words, a sheet per kind: sites, colonies, hives, records,
// their hive lines, queens, the colonies' events and the queens those touched, treatments, feedings
// and harvests. Each kind has every
// column its list page can show, whatever the view settings, then the user's own fields; beside
// each number that points to a site, colony or queen stands its name. Nothing when the file could
// not be read.
std::optional<std::vector<SheetData>> ReadableJournalSheets(IDatabase* database);
// As one spreadsheet file; false when it could not be read or written.
bool SaveReadableBook(IDatabase* database, const std::filesystem::path& file);
// As one CSV file per sheet in the folder, named after the sheet; false when one could not be
// read or written.
bool SaveReadableCsv(IDatabase* database, const std::filesystem::path& folder, CsvFormat format);
