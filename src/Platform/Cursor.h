#pragma once

#include "WinDefs.h"

// Cursors and icons are shared handles: loading the same one twice gives the same handle, and
// handles live until the process ends.
struct CursorHandle;
using HCURSOR = CursorHandle*;
struct IconHandle;
using HICON = IconHandle*;

// A standard cursor (IDC_ARROW, IDC_IBEAM, IDC_HAND, IDC_SIZEWE, IDC_SIZENS ...) or the cursor
// resource of that number; null when there is neither.
HCURSOR LoadCursor(int idOrResource);
// The icon resource of that number (IDI_APPLICATION gives the program's icon 128); null when none.
HICON LoadIcon(int resource);

// Shows the cursor over the window that handles the current WM_SETCURSOR; called at any other
// time (during a drag) it shows the cursor at once, wherever the pointer is, until the next
// WM_SETCURSOR. Returns the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// The pointer position in screen coordinates, as the last pointer event left it.
BOOL GetCursorPos(POINT* point);
