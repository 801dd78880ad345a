#include "Cursor.h"

#include "InputState.h"
#include "QtBridge.h"
#include "WinApp.h"
#include "WinStyles.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

struct CursorHandle
{
    QCursor cursor;
};

struct IconHandle
{
    QImage image;
};

namespace {
HCURSOR g_current = nullptr;
QPointer<QWidget> g_target;
// Whether the application shows a cursor set outside WM_SETCURSOR over every window.
bool g_overriding = false;
bool g_pointerKnown = false;

Qt::CursorShape StandardShape(int id, bool* known)
{
    *known = true;
    switch (id) {
    case IDC_ARROW: return Qt::ArrowCursor;
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    case IDC_SIZENWSE: return Qt::SizeFDiagCursor;
    case IDC_SIZENESW: return Qt::SizeBDiagCursor;
    case IDC_SIZEWE: return Qt::SizeHorCursor;
    case IDC_SIZENS: return Qt::SizeVerCursor;
    case IDC_SIZEALL: return Qt::SizeAllCursor;
    case IDC_NO: return Qt::ForbiddenCursor;
    case IDC_HAND: return Qt::PointingHandCursor;
    default: *known = false; return Qt::ArrowCursor;
    }
}
}

HCURSOR LoadCursor(int idOrResource)
{
    static std::map<int, std::unique_ptr<CursorHandle>> cursors;
    const auto found = cursors.find(idOrResource);
    if (found != cursors.end())
        return found->second.get();
    EnsureToolkit();
    bool standard = false;
    const Qt::CursorShape shape = StandardShape(idOrResource, &standard);
    std::unique_ptr<CursorHandle> handle;
    if (standard) {
        handle.reset(new CursorHandle { QCursor(shape) });
    } else {
        const QImage image = LoadResourceImage(ResourceKind::Cursor, idOrResource);
        if (image.isNull())
            return nullptr;
        handle.reset(new CursorHandle { QCursor(QPixmap::fromImage(image), image.width() / 2, image.height() / 2) });
    }
    return cursors.emplace(idOrResource, std::move(handle)).first->second.get();
}

HICON LoadIcon(int resource)
{
    static std::map<int, std::unique_ptr<IconHandle>> icons;
    if (resource == IDI_APPLICATION)
        resource = 128;
    const auto found = icons.find(resource);
    if (found != icons.end())
        return found->second.get();
    EnsureToolkit();
    const QImage image = LoadResourceImage(ResourceKind::Icon, resource);
    if (image.isNull())
        return nullptr;
    auto handle = std::make_unique<IconHandle>();
    handle->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return icons.emplace(resource, std::move(handle)).first->second.get();
}

HCURSOR SetCursor(HCURSOR cursor)
{
    EnsureToolkit();
    const HCURSOR previous = g_current;
    g_current = cursor;
    const QCursor shown = CursorOf(cursor);
    if (g_target) {
        g_target->setCursor(shown);
    } else if (g_overriding) {
        QGuiApplication::changeOverrideCursor(shown);
    } else {
        QGuiApplication::setOverrideCursor(shown);
        g_overriding = true;
    }
    return previous;
}

HCURSOR GetCursor()
{
    return g_current;
}

BOOL GetCursorPos(POINT* point)
{
    const QPoint position = g_pointerKnown ? InputState::Pointer() : QCursor::pos();
    point->x = position.x();
    point->y = position.y();
    return TRUE;
}

void SetCursorTarget(QWidget* widget)
{
    g_target = widget;
    // A cursor set outside WM_SETCURSOR lasts until the next one.
    if (widget && g_overriding) {
        QGuiApplication::restoreOverrideCursor();
        g_overriding = false;
    }
}

void PointerSeen()
{
    g_pointerKnown = true;
}

QCursor CursorOf(HCURSOR cursor)
{
    return cursor ? cursor->cursor : QCursor(Qt::BlankCursor);
}

QImage IconImage(HICON icon)
{
    return icon ? icon->image : QImage();
}
