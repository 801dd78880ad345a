#include "Wnd.h"

#include "Font.h"
#include "NativeWindow.h"
#include "GdiAccess.h"
#include "QtBridge.h"
#include "Rgn.h"
#include "WinApp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {
Qt::WindowFlags TopLevelFlags(DWORD style, bool dialog)
{
    Qt::WindowFlags flags = dialog ? Qt::Dialog : Qt::Window;
    if ((style & WS_CAPTION) != WS_CAPTION && !dialog)
        return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// The frame a top-level window gets around its client area; known once its native window exists.
// On X11 the window manager tells it only once the window shows, and a native window made before
// the window is placed and sized would have its client area, not its frame, put where it was
// placed: there asking makes no native window.
QMargins FrameMargins(QWidget* window)
{
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return QMargins();
    if (!window->testAttribute(Qt::WA_WState_Created) && QGuiApplication::platformName() == QStringLiteral("xcb"))
        return QMargins();
    window->winId();
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// Gives a top-level window the outer size, frame included, as the desktop sizes windows.
void ResizeFrame(QWidget* window, int width, int height)
{
    const QMargins frame = FrameMargins(window);
    window->resize(std::max(width - frame.left() - frame.right(), 0), std::max(height - frame.top() - frame.bottom(), 0));
}

// The client area's origin in its window's widget.
QPoint ClientOrigin(const CWnd* window)
{
    return window->Native() ? window->Native()->ClientRect().topLeft() : QPoint();
}
}

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_native)
        DestroyWindow();
}

BOOL CWnd::CreateEx(DWORD exStyle, const std::u16string& className, const std::u16string& windowName, DWORD style,
    int x, int y, int width, int height, CWnd* parent, UINT id, void* param)
{
    if (m_native)
        return FALSE;
    EnsureToolkit();
    const bool child = style & WS_CHILD;
    if (child && (!parent || !parent->IsCreated()))
        return FALSE;
    std::unique_ptr<NativeWindow> native = MakeNativeWindow(this, className);
    if (!native)
        return FALSE;
    native->style = style;
    native->exStyle = exStyle;
    native->id = child ? static_cast<int>(id) : 0;
    native->className = className;
    native->text = windowName;
    native->parent = parent && parent->IsCreated() ? parent : nullptr;

    CREATESTRUCT create;
    create.lpCreateParams = param;
    create.hMenu = id;
    create.hwndParent = native->parent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = style;
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;

    QWidget* parentWidget = native->parent ? ClientWidgetOf(native->parent) : nullptr;
    QWidget* widget = native->MakeWidget(child ? parentWidget : (parentWidget ? parentWidget->window() : nullptr), create);
    native->widget = widget;
    native->holder = dynamic_cast<WidgetLink*>(widget);
    native->holder->link = native.get();
    if (widget->testAttribute(Qt::WA_SetCursor))
        native->ownCursor = widget->cursor();
    widget->setMouseTracking(true);
    native->InputWidget()->setMouseTracking(true);
    if (!child) {
        widget->setWindowFlags(TopLevelFlags(style, className == u"#32770"));
        widget->setWindowTitle(ToQString(windowName));
        if (native->windowClass.icon)
            widget->setWindowIcon(QIcon(QPixmap::fromImage(IconImage(native->windowClass.icon))));
    }
    if (native->FixedHeight() >= 0)
        height = native->FixedHeight();
    if (width == CW_USEDEFAULT) {
        width = 640;
        height = 480;
    }
    // Placed before its native window exists, a top-level window asks the window manager to put
    // its frame there, title bar included, although the frame's size is not known yet.
    if (!child && x != CW_USEDEFAULT)
        widget->move(x, y);
    // A top-level window's size and position are those of its frame, as on the desktop; a
    // dialog's size is its client area's, since the dialog manager fits the frame around its template.
    if (child || className == u"#32770")
        widget->resize(std::max(width, 0), std::max(height, 0));
    else
        ResizeFrame(widget, width, height);
    if (child && x != CW_USEDEFAULT) {
        widget->move(x, y);
    } else if (!child && x == CW_USEDEFAULT) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize outer = widget->size().grownBy(FrameMargins(widget));
            widget->move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                area.top() + std::max(0, (area.height() - outer.height()) / 2));
        }
    }
    if (style & WS_DISABLED)
        widget->setEnabled(false);
    m_native = std::move(native);
    if (m_native->parent)
        m_native->parent->Native()->children.push_back(this);

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (!m_native)
        return FALSE;
    m_native->ReportSize(true);
    if (m_native && style & WS_VISIBLE)
        widget->show();
    return m_native ? TRUE : FALSE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const std::u16string& className, const std::u16string& windowName, DWORD style,
    const RECT& rect, CWnd* parent, UINT id, void* param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, id, param);
}

BOOL CWnd::Create(const std::u16string& className, const std::u16string& windowName, DWORD style, const RECT& rect,
    CWnd* parent, UINT id, void* param)
{
    return CreateEx(0, className, windowName, style, rect, parent, id, param);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_native || m_native->destroyed)
        return FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    SendMessage(WM_DESTROY);
    if (!m_native)
        return TRUE;
    m_native->destroyed = true;
    const std::vector<CWnd*> children = m_native->children;
    for (CWnd* child : children)
        child->DestroyWindow();
    DestroyNative();
    PostNcDestroy();
    return TRUE;
}

void CWnd::DestroyNative()
{
    std::unique_ptr<NativeWindow> native = std::move(m_native);
    if (native->parent && native->parent->Native()) {
        auto& siblings = native->parent->Native()->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    native->destroyed = true;
    if (native->holder)
        native->holder->link = nullptr;
    if (QWidget* widget = native->widget) {
        for (const auto& timer : native->timers)
            widget->killTimer(timer.second);
        widget->hide();
        widget->deleteLater();
    }
    native->timers.clear();
    BuryNativeWindow(std::move(native));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_native)
        return 0;
    return Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    BeginDispatch(this, message, wParam, lParam);
    const LRESULT result = WindowProc(message, wParam, lParam);
    EndDispatch();
    return result;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_native || m_native->destroyed || !m_native->widget)
        return FALSE;
    QCoreApplication::postEvent(m_native->widget, new MessageEvent(message, wParam, lParam));
    return TRUE;
}

LRESULT CWnd::Default()
{
    const Dispatching* current = CurrentDispatch();
    if (!current || current->window != this)
        return 0;
    return DefWindowProc(current->message, current->wParam, current->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_native ? m_native->ClassProc(message, wParam, lParam) : 0;
}

void CWnd::GetClientRect(RECT* rect) const
{
    const QSize size = m_native ? m_native->ClientRect().size() : QSize();
    *rect = RECT { 0, 0, size.width(), size.height() };
}

void CWnd::GetWindowRect(RECT* rect) const
{
    QWidget* widget = WidgetOf(this);
    if (!widget) {
        *rect = RECT {};
        return;
    }
    if (widget->isWindow()) {
        *rect = FromQRect(widget->geometry().marginsAdded(FrameMargins(widget)));
        return;
    }
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    *rect = RECT { origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height() };
}

void CWnd::ScreenToClient(POINT* point) const
{
    if (const QWidget* widget = WidgetOf(this)) {
        const QPoint local = widget->mapFromGlobal(QPoint(point->x, point->y)) - ClientOrigin(this);
        point->x = local.x();
        point->y = local.y();
    }
}

void CWnd::ScreenToClient(RECT* rect) const
{
    POINT topLeft { rect->left, rect->top };
    POINT bottomRight { rect->right, rect->bottom };
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *rect = RECT { topLeft.x, topLeft.y, bottomRight.x, bottomRight.y };
}

void CWnd::ClientToScreen(POINT* point) const
{
    if (const QWidget* widget = WidgetOf(this)) {
        const QPoint global = widget->mapToGlobal(QPoint(point->x, point->y) + ClientOrigin(this));
        point->x = global.x();
        point->y = global.y();
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (QWidget* widget = WidgetOf(this)) {
        if (m_native->FixedHeight() >= 0)
            height = m_native->FixedHeight();
        if (widget->isWindow()) {
            // A top-level window's rectangle includes its frame, as GetWindowRect gives it.
            widget->move(x, y);
            ResizeFrame(widget, width, height);
        } else {
            widget->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
        }
        if (repaint)
            widget->update();
    }
}

void CWnd::MoveWindow(const RECT& rect, BOOL repaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return FALSE;
    if (!(flags & SWP_NOMOVE))
        widget->move(x, y);
    if (!(flags & SWP_NOSIZE)) {
        if (widget->isWindow())
            ResizeFrame(widget, cx, cy);
        else
            widget->resize(std::max(cx, 0), std::max(cy, 0));
    }
    if (!(flags & SWP_NOZORDER) && insertAfter == HWND_TOP)
        widget->raise();
    if (flags & SWP_SHOWWINDOW)
        widget->show();
    if (flags & SWP_HIDEWINDOW)
        widget->hide();
    if (!(flags & SWP_NOREDRAW))
        widget->update();
    return TRUE;
}

int CWnd::SetWindowRgn(const CRgn* region, BOOL redraw)
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return 0;
    if (region)
        widget->setMask(GdiAccess::Region(*region));
    else
        widget->clearMask();
    if (redraw)
        widget->update();
    return 1;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window ? window->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window ? window->PostMessage(message, wParam, lParam) : FALSE;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request)
{
    if (!request || !request->hwndTrack || !request->hwndTrack->Native())
        return FALSE;
    request->hwndTrack->Native()->trackLeave = (request->dwFlags & TME_LEAVE) != 0;
    return TRUE;
}

int GetSystemMetrics(int index)
{
    EnsureToolkit();
    const QScreen* screen = QGuiApplication::primaryScreen();
    switch (index) {
    case SM_CXSCREEN: return screen ? screen->geometry().width() : 0;
    case SM_CYSCREEN: return screen ? screen->geometry().height() : 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 17;
    default: return 0;
    }
}
