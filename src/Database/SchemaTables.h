#pragma once

#include "Table.h"

#include <memory>
#include <vector>

// A fresh object of every table class, in the order their tables are created.
std::vector<std::unique_ptr<CTable>> CreateSchemaTables();
