#include "Clipboard.h"

#include "QtBridge.h"
#include "WinApp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
bool g_open = false;
}

BOOL OpenClipboard(CWnd*)
{
    if (g_open)
        return FALSE;
    EnsureToolkit();
    g_open = true;
    return TRUE;
}

BOOL EmptyClipboard()
{
    if (!g_open)
        return FALSE;
    QGuiApplication::clipboard()->clear();
    return TRUE;
}

BOOL SetClipboardData(UINT format, const std::u16string& text)
{
    if (!g_open || (format != CF_UNICODETEXT && format != CF_TEXT))
        return FALSE;
    QGuiApplication::clipboard()->setText(ToQString(text));
    return TRUE;
}

std::u16string GetClipboardData(UINT format)
{
    if (!g_open || (format != CF_UNICODETEXT && format != CF_TEXT))
        return std::u16string();
    return FromQString(QGuiApplication::clipboard()->text());
}

BOOL CloseClipboard()
{
    const BOOL wasOpen = g_open ? TRUE : FALSE;
    g_open = false;
    return wasOpen;
}
