#pragma once

// Private to the platform layer: translation of Qt input to virtual keys and the tracked state
// behind GetKeyState, GetCursorPos and ToUnicode.

#include "WinDefs.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <string>

namespace InputState {
// The virtual key of a key event (letters by their position on a US keyboard when the layout
// types other letters); 0 when it has none.
UINT VirtualKey(const QKeyEvent& event);
// The WM_KEYDOWN lParam: repeat count, scan code, previous state and (for Alt) the context bit.
LPARAM KeyParam(const QKeyEvent& event, bool release);
// The WM_CHAR characters of a key press.
std::u16string Characters(const QKeyEvent& event);

void KeyEventSeen(const QKeyEvent& event);
void MouseEventSeen(const QMouseEvent& event);
void ModifiersSeen(Qt::KeyboardModifiers modifiers);
void SetPointer(const QPoint& global);
QPoint Pointer();
// MK_ flags of the tracked state.
UINT MouseKeyFlags();

// The key press being delivered (for ToUnicode), or null.
void SetCurrentKey(const QKeyEvent* event);
const QKeyEvent* CurrentKey();
}
