#pragma once

#include "Font.h"
#include "Rect.h"

#include <memory>
#include <string>

// A font from a logical font that is all zero except the height (the cell height in pixels),
// the weight (700 when bold, else 400), italic, underline, character set 0 and the face (at
// most 31 characters).
std::unique_ptr<CFont> CreateFontHelper(bool bold, const std::u16string& face, int height, bool italic, bool underline);

// The size of a text on the desktop's context with the font (its default font when null).
// Lines split at "\n". Width 0 or less: the widest line and the sum of the line heights.
// Width above 0: the result is that wide; each line is laid out word by word (a word measured
// with one blank), a word that would pass the width starts a new line, and the height is the
// number of laid-out lines times the line height.
CSize MeasureText(const std::u16string& text, int width, CFont* font);
