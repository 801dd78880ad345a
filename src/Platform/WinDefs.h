#pragma once

#include <cstdint>

// Basic value types, geometry records, colours and the message-box constants, with their
// desktop values, so that window code reads as it does against the desktop interfaces.
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = int;
using COLORREF = std::uint32_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

class CWnd;
// A window handle is the window object itself: the object outlives its native window.
using HWND = CWnd*;

struct POINT
{
    int x = 0;
    int y = 0;
};

struct SIZE
{
    int cx = 0;
    int cy = 0;
};

// Right and bottom are exclusive, as everywhere in the drawing calls.
struct RECT
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr std::int16_t GET_X_LPARAM(LPARAM value) { return static_cast<std::int16_t>(value & 0xFFFF); }
constexpr std::int16_t GET_Y_LPARAM(LPARAM value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }
constexpr std::int16_t GET_WHEEL_DELTA_WPARAM(WPARAM value) { return static_cast<std::int16_t>(HIWORD(value)); }
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM value) { return LOWORD(value); }
constexpr DWORD MAKELONG(std::uint32_t low, std::uint32_t high) { return (low & 0xFFFF) | ((high & 0xFFFF) << 16); }
constexpr WPARAM MAKEWPARAM(std::uint32_t low, std::uint32_t high) { return MAKELONG(low, high); }
constexpr LPARAM MAKELPARAM(std::uint32_t low, std::uint32_t high) { return static_cast<LPARAM>(MAKELONG(low, high)); }

// COLORREF is 0x00BBGGRR.
constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONERROR = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONWARNING = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
// The second button (No) is the default, for a question whose yes should be a deliberate choice.
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONMASK = 0x000000F0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
