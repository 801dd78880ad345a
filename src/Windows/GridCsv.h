#pragma once

class CCsvWriter;
class CTableDrawer;

// Adds a grid as the user sees it: a row of the shown column captions in their order, then each
// row in its shown order. Dates shown as dd.mm.yyyy become YYYY-MM-DD, so a spreadsheet reads
// them as dates whatever its locale; other cells go as shown.
void AddGridToCsv(CCsvWriter& csv, const CTableDrawer& grid);
