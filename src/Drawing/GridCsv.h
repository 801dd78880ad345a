#pragma once

#include <string>
#include <vector>

class CTableDrawer;

// The rows of a CSV file of a grid as the user sees it: a row of the shown column captions in
// their order, then each row in its shown order. Dates shown as dd.mm.yyyy become YYYY-MM-DD and
// decimal numbers take the file's decimal mark, whichever mark they were typed with, so a
// spreadsheet reads them as dates and numbers; other cells go as shown.
std::vector<std::vector<std::u16string>> GridCsvRows(const CTableDrawer& grid, char16_t decimalMark);
