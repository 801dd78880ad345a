#pragma once

#include "WinDefs.h"

#include <functional>

class CDC;
class CWnd;

// Paints a window without flicker: the painter draws on a memory context the size of the client
// area, filled with the background colour first, which then goes to the window in one block.
// An empty client area paints nothing.
void PaintBuffered(CWnd* window, COLORREF background, const std::function<void(CDC& memory, const RECT& client)>& paint);
