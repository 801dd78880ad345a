#pragma once

#include "WinDefs.h"

#include <functional>
#include <string>
#include <vector>

class CWnd;

// Simulated user input and screen reading for tests of windows on the offscreen platform.
namespace UiTest {
// Processes pending events (and deferred deletions) for at least `milliseconds`.
void ProcessEvents(int milliseconds = 0);
// Processes events until the condition holds or the time runs out; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 2000);
// Runs the action from the message loop once `milliseconds` have passed.
void RunFromLoop(std::function<void()> action, int milliseconds = 0);

// Mouse input at client coordinates of the window. `button` is VK_LBUTTON, VK_RBUTTON or
// VK_MBUTTON; `keys` holds MK_SHIFT and MK_CONTROL.
void MouseDown(CWnd* window, int x, int y, UINT button = 0x01, UINT keys = 0);
void MouseUp(CWnd* window, int x, int y, UINT button = 0x01, UINT keys = 0);
void Click(CWnd* window, int x, int y, UINT button = 0x01, UINT keys = 0);
void DoubleClick(CWnd* window, int x, int y);
void MouseMove(CWnd* window, int x, int y, UINT heldButtons = 0);
void Wheel(CWnd* window, int x, int y, int delta);
// The pointer leaves the window.
void MouseLeave(CWnd* window);

// Delivers WM_TIMER once for each timer the window has running, as if all of them came due now,
// so that tests drive timers instead of waiting for them.
void FireTimers(CWnd* window);

// Left-button input at coordinates of the window's rectangle (inside a top-level window's
// frame), on whatever part of the window lies there, such as its own scroll bars.
void FrameMouseDown(CWnd* window, int x, int y);
void FrameMouseMove(CWnd* window, int x, int y);
void FrameMouseUp(CWnd* window, int x, int y);
// A part of the window's own scroll bar (SB_HORZ or SB_VERT) in the same coordinates; empty
// while the bar is hidden.
enum class ScrollPart { LineUp, LineDown, PageUp, PageDown, Thumb };
RECT ScrollBarPart(CWnd* window, int bar, ScrollPart part);

// Key input to the window (its widget gets the focus first). `keys` holds MK_SHIFT,
// MK_CONTROL and ALT_KEY; the typed text follows from the key unless given. A null window
// means whatever has the keyboard focus, such as the editor of a tree label.
constexpr UINT ALT_KEY = 0x1000;
void KeyDown(CWnd* window, UINT virtualKey, UINT keys = 0);
void KeyUp(CWnd* window, UINT virtualKey, UINT keys = 0);
void KeyPress(CWnd* window, UINT virtualKey, UINT keys = 0);
void TypeText(CWnd* window, const std::u16string& text);

// What the window shows, as the user would see it.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};
Image Grab(CWnd* window);
// The part of a one-line field's text (an edit's, a date picker's) that lies inside the field, as
// far as the user can see it.
std::u16string VisibleFieldText(CWnd* window);

// The texts of the buttons of the open modal dialog or message box, without '&' marks, and the
// close of that dialog as its title bar's close button does it.
std::vector<std::u16string> ModalButtonTexts();
void CloseModal();

// Gives the toolkit's widgets a desktop font of that many points; 0 gives back the font they had.
void UseFontPointSize(int points);
// Gives the toolkit the colours of a dark desktop theme: light text on dark faces.
void UseDarkPalette();
// Whether the user can resize the top-level window.
bool IsResizable(CWnd* window);
// Whether the window is a top-level window without a frame.
bool IsFrameless(CWnd* window);
// The Qt cursor shape number shown over the window (Qt::CursorShape), for cursor checks.
int CursorShape(CWnd* window);
}
