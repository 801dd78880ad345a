#pragma once

#include "SheetData.h"

#include <filesystem>
#include <optional>
#include <vector>

class IDatabase;

// Writes the colonies' events into colony_events.csv and the queens they touched into
// colony_event_queens.csv, beside the journal's tables, readable as they are: kinds, causes and
// fates in the user's words, colonies, sites and queens by name (by number when deleted since),
// each column only where the event's kind has it. A journal without events writes neither file.
bool ExportColonyEvents(IDatabase* database, const std::filesystem::path& folder, CsvFormat format);
// The same two tables as sheets named in the user's words; none for a journal without the events'
// tables, nothing when they could not be read.
std::optional<std::vector<SheetData>> ColonyEventSheets(IDatabase* database);
