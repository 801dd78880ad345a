#include "KeyInput.h"

#include "InputState.h"
#include "WinMessages.h"

#include <algorithm>
#include <bitset>

namespace {
std::bitset<256> g_keysDown;
Qt::KeyboardModifiers g_modifiers;
Qt::MouseButtons g_buttons;
QPoint g_pointer;
const QKeyEvent* g_currentKey = nullptr;

struct KeyPair
{
    int qtKey;
    UINT vk;
};

constexpr KeyPair kSpecialKeys[] = {
    { Qt::Key_Backspace, VK_BACK }, { Qt::Key_Tab, VK_TAB }, { Qt::Key_Backtab, VK_TAB },
    { Qt::Key_Return, VK_RETURN }, { Qt::Key_Enter, VK_RETURN }, { Qt::Key_Shift, VK_SHIFT },
    { Qt::Key_Control, VK_CONTROL }, { Qt::Key_Alt, VK_MENU }, { Qt::Key_Pause, VK_PAUSE },
    { Qt::Key_CapsLock, VK_CAPITAL }, { Qt::Key_Escape, VK_ESCAPE }, { Qt::Key_Space, VK_SPACE },
    { Qt::Key_PageUp, VK_PRIOR }, { Qt::Key_PageDown, VK_NEXT }, { Qt::Key_End, VK_END },
    { Qt::Key_Home, VK_HOME }, { Qt::Key_Left, VK_LEFT }, { Qt::Key_Up, VK_UP }, { Qt::Key_Right, VK_RIGHT },
    { Qt::Key_Down, VK_DOWN }, { Qt::Key_Insert, VK_INSERT }, { Qt::Key_Delete, VK_DELETE },
    { Qt::Key_Menu, VK_APPS }, { Qt::Key_NumLock, VK_NUMLOCK }, { Qt::Key_ScrollLock, VK_SCROLL },
    { Qt::Key_Semicolon, VK_OEM_1 }, { Qt::Key_Colon, VK_OEM_1 }, { Qt::Key_Equal, VK_OEM_PLUS },
    { Qt::Key_Plus, VK_OEM_PLUS }, { Qt::Key_Comma, VK_OEM_COMMA }, { Qt::Key_Less, VK_OEM_COMMA },
    { Qt::Key_Minus, VK_OEM_MINUS }, { Qt::Key_Underscore, VK_OEM_MINUS }, { Qt::Key_Period, VK_OEM_PERIOD },
    { Qt::Key_Greater, VK_OEM_PERIOD }, { Qt::Key_Slash, VK_OEM_2 }, { Qt::Key_Question, VK_OEM_2 },
    { Qt::Key_QuoteLeft, VK_OEM_3 }, { Qt::Key_AsciiTilde, VK_OEM_3 }, { Qt::Key_BracketLeft, VK_OEM_4 },
    { Qt::Key_BraceLeft, VK_OEM_4 }, { Qt::Key_Backslash, VK_OEM_5 }, { Qt::Key_Bar, VK_OEM_5 },
    { Qt::Key_BracketRight, VK_OEM_6 }, { Qt::Key_BraceRight, VK_OEM_6 }, { Qt::Key_Apostrophe, VK_OEM_7 },
    { Qt::Key_QuoteDbl, VK_OEM_7 },
};

// Shifted digits of a US keyboard, for layouts that report the typed symbol as the key.
constexpr KeyPair kShiftedDigits[] = {
    { Qt::Key_Exclam, '1' }, { Qt::Key_At, '2' }, { Qt::Key_NumberSign, '3' }, { Qt::Key_Dollar, '4' },
    { Qt::Key_Percent, '5' }, { Qt::Key_AsciiCircum, '6' }, { Qt::Key_Ampersand, '7' }, { Qt::Key_Asterisk, '8' },
    { Qt::Key_ParenLeft, '9' }, { Qt::Key_ParenRight, '0' },
};

// X key codes (evdev + 8) of the letter and digit keys, for layouts that type other letters.
UINT VirtualKeyOfKeyCode(quint32 code)
{
    static const char* const rows[] = { "1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM" };
    static const quint32 firstCodes[] = { 10, 24, 38, 52 };
    for (int row = 0; row < 4; ++row) {
        const std::size_t length = std::char_traits<char>::length(rows[row]);
        if (code >= firstCodes[row] && code < firstCodes[row] + length)
            return static_cast<UINT>(rows[row][code - firstCodes[row]]);
    }
    return 0;
}

// Set-1 scan codes of a US keyboard.
UINT ScanCodeOf(UINT vk)
{
    static const char* const rows[] = { "1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM" };
    static const UINT firstScans[] = { 0x02, 0x10, 0x1E, 0x2C };
    for (int row = 0; row < 4; ++row) {
        for (const char* c = rows[row]; *c; ++c) {
            if (static_cast<UINT>(*c) == vk)
                return firstScans[row] + static_cast<UINT>(c - rows[row]);
        }
    }
    switch (vk) {
    case VK_ESCAPE: return 0x01;
    case VK_BACK: return 0x0E;
    case VK_TAB: return 0x0F;
    case VK_RETURN: return 0x1C;
    case VK_CONTROL: return 0x1D;
    case VK_SHIFT: return 0x2A;
    case VK_MENU: return 0x38;
    case VK_SPACE: return 0x39;
    case VK_HOME: return 0x47;
    case VK_UP: return 0x48;
    case VK_PRIOR: return 0x49;
    case VK_LEFT: return 0x4B;
    case VK_RIGHT: return 0x4D;
    case VK_END: return 0x4F;
    case VK_DOWN: return 0x50;
    case VK_NEXT: return 0x51;
    case VK_INSERT: return 0x52;
    case VK_DELETE: return 0x53;
    default: return 0;
    }
}

bool Down(Qt::KeyboardModifier modifier)
{
    return g_modifiers.testFlag(modifier);
}
}

namespace InputState {
UINT VirtualKey(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? VK_NUMPAD0 + static_cast<UINT>(key - Qt::Key_0) : static_cast<UINT>(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<UINT>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
    if (keypad) {
        switch (key) {
        case Qt::Key_Asterisk: return VK_MULTIPLY;
        case Qt::Key_Plus: return VK_ADD;
        case Qt::Key_Minus: return VK_SUBTRACT;
        case Qt::Key_Period: case Qt::Key_Comma: return VK_DECIMAL;
        case Qt::Key_Slash: return VK_DIVIDE;
        default: break;
        }
    }
    for (const KeyPair& pair : kSpecialKeys) {
        if (pair.qtKey == key)
            return pair.vk;
    }
    for (const KeyPair& pair : kShiftedDigits) {
        if (pair.qtKey == key)
            return pair.vk;
    }
    return VirtualKeyOfKeyCode(event.nativeScanCode());
}

LPARAM KeyParam(const QKeyEvent& event, bool release)
{
    std::uint32_t value = 1 | (ScanCodeOf(VirtualKey(event)) << 16);
    if (event.modifiers().testFlag(Qt::AltModifier))
        value |= 1u << 29;
    if (release)
        value |= 3u << 30;
    else if (event.isAutoRepeat())
        value |= 1u << 30;
    return static_cast<LPARAM>(value);
}

std::u16string Characters(const QKeyEvent& event)
{
    const UINT vk = VirtualKey(event);
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) && vk >= 'A' && vk <= 'Z')
        return std::u16string(1, static_cast<char16_t>(vk - 'A' + 1));
    switch (vk) {
    case VK_BACK: return u"\b";
    case VK_TAB: return u"\t";
    case VK_RETURN: return u"\r";
    case VK_ESCAPE: return u"\x1b";
    case VK_DELETE: return u"";
    default: break;
    }
    const QString text = event.text();
    std::u16string out;
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            out += static_cast<char16_t>(c.unicode());
    }
    return out;
}

void KeyEventSeen(const QKeyEvent& event)
{
    // The event of a modifier key itself tells its state after the key.
    Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool press = event.type() == QEvent::KeyPress;
    const Qt::KeyboardModifier own = event.key() == Qt::Key_Shift ? Qt::ShiftModifier
        : event.key() == Qt::Key_Control                          ? Qt::ControlModifier
        : event.key() == Qt::Key_Alt                              ? Qt::AltModifier
                                                                  : Qt::NoModifier;
    if (own != Qt::NoModifier)
        modifiers.setFlag(own, press);
    ModifiersSeen(modifiers);
    const UINT vk = VirtualKey(event);
    if (vk > 0 && vk < 256)
        g_keysDown.set(vk, event.type() == QEvent::KeyPress);
}

void MouseEventSeen(const QMouseEvent& event)
{
    ModifiersSeen(event.modifiers());
    g_buttons = event.buttons();
    SetPointer(event.globalPosition().toPoint());
}

void ModifiersSeen(Qt::KeyboardModifiers modifiers)
{
    g_modifiers = modifiers;
}

void SetPointer(const QPoint& global)
{
    g_pointer = global;
}

QPoint Pointer()
{
    return g_pointer;
}

UINT MouseKeyFlags()
{
    UINT flags = 0;
    if (g_buttons.testFlag(Qt::LeftButton))
        flags |= MK_LBUTTON;
    if (g_buttons.testFlag(Qt::RightButton))
        flags |= MK_RBUTTON;
    if (g_buttons.testFlag(Qt::MiddleButton))
        flags |= MK_MBUTTON;
    if (Down(Qt::ShiftModifier))
        flags |= MK_SHIFT;
    if (Down(Qt::ControlModifier))
        flags |= MK_CONTROL;
    return flags;
}

void SetCurrentKey(const QKeyEvent* event)
{
    g_currentKey = event;
}

const QKeyEvent* CurrentKey()
{
    return g_currentKey;
}
}

std::int16_t GetKeyState(int virtualKey)
{
    bool down = false;
    switch (virtualKey) {
    case VK_LBUTTON: down = g_buttons.testFlag(Qt::LeftButton); break;
    case VK_RBUTTON: down = g_buttons.testFlag(Qt::RightButton); break;
    case VK_MBUTTON: down = g_buttons.testFlag(Qt::MiddleButton); break;
    case VK_SHIFT: down = Down(Qt::ShiftModifier); break;
    case VK_CONTROL: down = Down(Qt::ControlModifier); break;
    case VK_MENU: down = Down(Qt::AltModifier); break;
    default: down = virtualKey > 0 && virtualKey < 256 && g_keysDown.test(static_cast<std::size_t>(virtualKey)); break;
    }
    return down ? static_cast<std::int16_t>(0x8000) : 0;
}

std::int16_t GetAsyncKeyState(int virtualKey)
{
    return GetKeyState(virtualKey);
}

BOOL GetKeyboardState(BYTE* state)
{
    for (int vk = 0; vk < 256; ++vk)
        state[vk] = GetKeyState(vk) < 0 ? 0x80 : 0;
    return TRUE;
}

HKL GetKeyboardLayout(DWORD)
{
    static int usLayout = 0x0409;
    return &usLayout;
}

UINT MapVirtualKeyEx(UINT code, UINT mapType, HKL)
{
    return mapType == MAPVK_VK_TO_VSC ? ScanCodeOf(code) : 0;
}

UINT MapVirtualKey(UINT code, UINT mapType)
{
    return MapVirtualKeyEx(code, mapType, GetKeyboardLayout(0));
}

int ToUnicode(UINT virtualKey, UINT, const BYTE* keyState, char16_t* buffer, int bufferSize, UINT)
{
    if (bufferSize <= 0)
        return 0;
    std::u16string text;
    const QKeyEvent* current = InputState::CurrentKey();
    if (current && InputState::VirtualKey(*current) == virtualKey) {
        text = InputState::Characters(*current);
    } else {
        const bool shift = keyState && (keyState[VK_SHIFT] & 0x80);
        const bool control = keyState && (keyState[VK_CONTROL] & 0x80);
        if (virtualKey >= 'A' && virtualKey <= 'Z')
            text = std::u16string(1, static_cast<char16_t>(control ? virtualKey - 'A' + 1 : (shift ? virtualKey : virtualKey + 32)));
        else if (virtualKey >= '0' && virtualKey <= '9' && !shift)
            text = std::u16string(1, static_cast<char16_t>(virtualKey));
        else if (virtualKey == VK_SPACE)
            text = u" ";
        else if (virtualKey == VK_RETURN)
            text = u"\r";
        else if (virtualKey == VK_BACK)
            text = u"\b";
        else if (virtualKey == VK_TAB)
            text = u"\t";
    }
    const int count = std::min(static_cast<int>(text.size()), bufferSize);
    for (int i = 0; i < count; ++i)
        buffer[i] = text[static_cast<std::size_t>(i)];
    return count;
}
