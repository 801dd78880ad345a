#pragma once

#include "WinDefs.h"

#include <string>

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

// The clipboard, opened and closed around its use as on the desktop; the data is text.
BOOL OpenClipboard(CWnd* owner);
BOOL EmptyClipboard();
// Puts the text on the clipboard (CF_UNICODETEXT or CF_TEXT); the clipboard must be open.
BOOL SetClipboardData(UINT format, const std::u16string& text);
// The clipboard's text (empty when it has none); the clipboard must be open.
std::u16string GetClipboardData(UINT format);
BOOL CloseClipboard();
