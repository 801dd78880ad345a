#pragma once

#include "WinDefs.h"

#include <functional>

class CDC;
class CWnd;

// Paints without flicker: the painter draws on a memory context the size of the area, filled with
// the background colour first, whose (0, 0) then goes to the area's top-left corner in one block.
void PaintOffScreen(CDC* target, const RECT& area, COLORREF background, const std::function<void(CDC& memory)>& paint);

// The same for a window's client area; an empty client area paints nothing.
void PaintBuffered(CWnd* window, COLORREF background, const std::function<void(CDC& memory, const RECT& client)>& paint);
