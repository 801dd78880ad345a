#pragma once

#include <cstdint>

class CTableDrawer;
class CWnd;

// The sheet a beekeeper takes to a site: one line per colony with its last record's figures, its
// queen and her marking colour, its varroa state and the tasks due within a week, then empty
// columns to fill in at the hive. Printed landscape in the print preview, which also saves it as
// PDF.

// The site's colonies that have not ended, in the grid as of the day.
void FillFieldSheet(CTableDrawer& grid, std::int32_t idPoint, std::int64_t day);
void PrintFieldSheet(std::int32_t idPoint, CWnd* parent);
