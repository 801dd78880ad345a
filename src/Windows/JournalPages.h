#pragma once

#include "PageRegistry.h"

// The pages of the journal window in registry order: the tables, the site, colony and record
// forms, then the queen pages and forms.
std::vector<PageFactory> JournalPageFactories();
