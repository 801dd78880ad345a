#pragma once

#include "SheetTable.h"

#include <string_view>

// Reads CSV as spreadsheet programs write it: UTF-8 with or without a byte-order mark, else
// Windows-1251 (the older Russian spreadsheets); fields separated by a comma, a semicolon or a tab,
// whichever the header row holds most; quoted fields as RFC 4180 has them, line breaks within.
SheetTable ReadCsv(std::string_view bytes);

// The bytes as text: UTF-8 when they are valid UTF-8 (a byte-order mark dropped), else Windows-1251.
std::u16string DecodeCsvText(std::string_view bytes);
