#pragma once

#include "CsvWriter.h"

#include <filesystem>

class IDatabase;

// Writes every table of the journal as "<table>.csv" into the folder, all rows with all columns
// under a header row of the column names. Stored dates become YYYY-MM-DD; a date that does not read
// is written as it is stored rather than lost. False when a table could not be read or written.
bool ExportJournal(IDatabase* database, const std::filesystem::path& folder, CsvFormat format);
// The same tables as sheets of one spreadsheet file, numbers as numbers and dates as dates.
bool ExportJournalBook(IDatabase* database, const std::filesystem::path& file);
