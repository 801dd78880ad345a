#pragma once

#include "WinDefs.h"

#include <string>

// The colour a queen is marked with in the international five-year code, by the last digit of her
// birth year: white 1 and 6, yellow 2 and 7, red 3 and 8, green 4 and 9, blue 5 and 0.
COLORREF MarkingColour(int birthYear);
// Its name, as a field sheet writes it: "white", "blue".
std::u16string MarkingColourWord(int birthYear);

class CDC;

// The marking as a dot filling the square, outlined in black so that a white one shows on white.
void DrawMarkingDot(CDC* dc, const RECT& square, int birthYear);
