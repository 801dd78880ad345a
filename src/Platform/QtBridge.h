#pragma once

// Private to the platform layer: conversions between the program's types and Qt's.

#include <QString>

#include <string>

class CWnd;
class QWidget;

QString ToQString(const std::u16string& text);
std::u16string FromQString(const QString& text);

// The native widget of a window object, or null when it has none.
QWidget* ParentWidgetOf(CWnd* window);

std::u16string ApplicationTitle();
