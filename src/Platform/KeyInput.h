#pragma once

#include "WinDefs.h"

#include <cstdint>

// Keyboard and mouse-button state as the message being handled saw it: the high bit (0x8000,
// so the result is negative) is set while the key or button is down. Keys are virtual-key
// codes (VK_SHIFT, VK_CONTROL, VK_MENU, VK_LBUTTON, 'A' ...).
std::int16_t GetKeyState(int virtualKey);
std::int16_t GetAsyncKeyState(int virtualKey);
// 256 entries, 0x80 set for the keys that are down.
BOOL GetKeyboardState(BYTE* state);

using HKL = void*;
HKL GetKeyboardLayout(DWORD thread);
constexpr UINT MAPVK_VK_TO_VSC = 0;
// The scan code of a virtual key (MAPVK_VK_TO_VSC); 0 when it has none.
UINT MapVirtualKeyEx(UINT code, UINT mapType, HKL layout);
UINT MapVirtualKey(UINT code, UINT mapType);

// The character(s) a key gives with the keyboard state. During the key message of that key it is
// what the keyboard typed (any layout); otherwise the US layout's character. Ctrl with a letter
// gives its control character. Returns the number of UTF-16 units written, 0 for none.
int ToUnicode(UINT virtualKey, UINT scanCode, const BYTE* keyState, char16_t* buffer, int bufferSize, UINT flags);
