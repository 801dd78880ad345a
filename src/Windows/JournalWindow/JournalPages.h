#pragma once

#include "PageRegistry.h"

// The pages of the journal window in registry order: the tables, the site, colony and record
// forms, the queen pages and forms, the charts, then a colony's history and its family tree.
std::vector<PageFactory> JournalPageFactories();
