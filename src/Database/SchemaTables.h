#pragma once

#include "Table.h"

#include <memory>
#include <vector>

// A fresh object of every table class, in the order their tables are created.
std::vector<std::unique_ptr<CTable>> CreateSchemaTables();

// The tables of the schema that a journal with tables lacks; none for a new, empty journal.
std::vector<std::u16string> MissingSchemaTables(IDatabase* database);
