#pragma once

// Private to the platform layer: conversions between the program's types and Qt's.

#include "Cursor.h"
#include "WinDefs.h"

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>

class CWnd;
class QWidget;

QString ToQString(const std::u16string& text);
std::u16string FromQString(const QString& text);

// The native widget of a window object, or null when it has none.
QWidget* ParentWidgetOf(CWnd* window);

std::u16string ApplicationTitle();

inline QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}
inline COLORREF FromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}
inline QRect ToQRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
inline RECT FromQRect(const QRect& rect)
{
    return RECT { rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height() };
}

// Pictures compiled into the program: :/bitmaps/N.png, :/icons/N.png, :/cursors/N.png.
enum class ResourceKind { Bitmap, Icon, Cursor };
// The picture of that number, or a null image when there is none.
QImage LoadResourceImage(ResourceKind kind, int number);

// The widget whose WM_SETCURSOR is being handled: SetCursor shows the cursor over it (and a
// cursor set outside WM_SETCURSOR ends).
void SetCursorTarget(QWidget* widget);
// A pointer event has set the tracked pointer position.
void PointerSeen();
QCursor CursorOf(HCURSOR cursor);
QImage IconImage(HICON icon);
