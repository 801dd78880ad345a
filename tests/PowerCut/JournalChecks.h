#pragma once

#include "AckLog.h"

#include <string>
#include <vector>

// Replays the acknowledged changes and compares the journal file with them: every acknowledged
// change is there, no change is half there, and the file passes SQLite's integrity check. A change
// whose "?" has no "!" was cut off: it may be there or not, but never in part.
std::vector<std::string> CheckJournalAgainst(const std::vector<AckLine>& log, const char* journalPath);
