#pragma once

#include "CsvWriter.h"

#include <filesystem>

class IDatabase;

// Writes the colonies' events into colony_events.csv and the queens they touched into
// colony_event_queens.csv, beside the journal's tables, readable as they are: kinds, causes and
// fates in the user's words, colonies, sites and queens by name (by number when deleted since),
// each column only where the event's kind has it. A journal without events writes neither file.
bool ExportColonyEvents(IDatabase* database, const std::filesystem::path& folder, CsvFormat format);
