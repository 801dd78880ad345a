#include "NativeWindow.h"

#include "HelpKey.h"
#include "InputState.h"
#include "QtBridge.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTimerEvent>
#include <QWheelEvent>

namespace {
CWnd* LiveWindow(WidgetLink* holder)
{
    return holder->link && !holder->link->destroyed ? holder->link->owner : nullptr;
}

bool IsInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

bool InDialog(const QWidget* widget)
{
    const QWidget* top = widget->window();
    return top && top->windowType() == Qt::Dialog;
}

UINT ButtonMessage(QEvent::Type type, Qt::MouseButton button)
{
    const int offset = type == QEvent::MouseButtonPress ? 0 : type == QEvent::MouseButtonRelease ? 1 : 2;
    switch (button) {
    case Qt::LeftButton: return WM_LBUTTONDOWN + static_cast<UINT>(offset);
    case Qt::RightButton: return WM_RBUTTONDOWN + static_cast<UINT>(offset);
    case Qt::MiddleButton: return WM_MBUTTONDOWN + static_cast<UINT>(offset);
    default: return 0;
    }
}

void SendSetCursor(CWnd* window, QWidget* receiver, UINT mouseMessage)
{
    SetCursorTarget(receiver);
    window->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, mouseMessage));
    SetCursorTarget(nullptr);
}

bool RouteMouse(WidgetLink* holder, QWidget* receiver, QMouseEvent* event, const std::function<bool(QEvent*)>& base)
{
    InputState::MouseEventSeen(*event);
    PointerSeen();
    CWnd* window = LiveWindow(holder);
    NativeWindow* native = holder->link;
    // Windows of classes without CS_DBLCLKS get the second click as a plain press, which Qt
    // has delivered already.
    if (event->type() == QEvent::MouseButtonDblClick && !native->IsControl() && !(native->windowClass.style & CS_DBLCLKS)) {
        event->accept();
        return true;
    }
    const UINT message = event->type() == QEvent::MouseMove ? WM_MOUSEMOVE : ButtonMessage(event->type(), event->button());
    if (message == 0)
        return base(event);
    // While a window has the capture the cursor stays what it set.
    if (!CWnd::GetCapture()) {
        SendSetCursor(window, receiver, message);
        if (!(window = LiveWindow(holder)))
            return true;
    }
    const QPoint point = event->position().toPoint();
    SendWithDefault(window, message, InputState::MouseKeyFlags(), MAKELPARAM(static_cast<std::uint16_t>(point.x()),
        static_cast<std::uint16_t>(point.y())), event, [&] { return base(event); });
    event->accept();
    return true;
}

bool RouteKey(WidgetLink* holder, QWidget* receiver, QKeyEvent* event, const std::function<bool(QEvent*)>& base)
{
    InputState::KeyEventSeen(*event);
    const UINT vk = InputState::VirtualKey(*event);
    if (vk == VK_TAB && InDialog(receiver))
        return base(event); // the dialog moves the focus
    // In a dialog Enter means OK and Escape Cancel (a multi-line edit keeps its Enter).
    const bool multiLine = holder->link && holder->link->style & ES_MULTILINE && holder->link->className == u"EDIT";
    if (event->type() == QEvent::KeyPress && InDialog(receiver) && (vk == VK_ESCAPE || (vk == VK_RETURN && !multiLine))) {
        if (CWnd* dialog = WindowOfWidget(receiver->window()))
            dialog->SendMessage(WM_COMMAND, MAKEWPARAM(vk == VK_RETURN ? IDOK : IDCANCEL, BN_CLICKED), 0);
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && vk == VK_F1 && !event->isAutoRepeat() && RunHelpAction()) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        CWnd* top = WindowOfWidget(receiver->window());
        if (top && top->OnShortcut(vk)) {
            event->accept();
            return true;
        }
    }
    CWnd* window = LiveWindow(holder);
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    const LPARAM param = InputState::KeyParam(*event, event->type() == QEvent::KeyRelease);
    // Tab goes to the widget's own key handling, never to Qt's focus chain.
    auto defaultRun = [&]() -> bool {
        if (vk == VK_TAB) {
            holder->BaseKeyPress(event);
            return true;
        }
        return base(event);
    };
    if (event->type() == QEvent::KeyRelease) {
        SendWithDefault(window, alt ? WM_SYSKEYUP : WM_KEYUP, vk, param, event, defaultRun);
        event->accept();
        return true;
    }
    const std::u16string characters = InputState::Characters(*event);
    const QKeyEvent* outer = InputState::CurrentKey();
    InputState::SetCurrentKey(event);
    std::function<bool()> keyDefault;
    if (characters.empty())
        keyDefault = defaultRun;
    SendWithDefault(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, param, event, keyDefault);
    for (std::size_t i = 0; i < characters.size() && (window = LiveWindow(holder)); ++i) {
        std::function<bool()> charDefault;
        if (i == 0)
            charDefault = defaultRun;
        SendWithDefault(window, alt ? WM_SYSCHAR : WM_CHAR, characters[i], param, event, charDefault);
    }
    InputState::SetCurrentKey(outer);
    event->accept();
    return true;
}
}

bool RouteEvent(WidgetLink* holder, QWidget* receiver, QEvent* event, const std::function<bool(QEvent*)>& base)
{
    CWnd* window = LiveWindow(holder);
    if (!window) {
        if (IsInputEvent(event->type())) {
            event->ignore();
            return true;
        }
        return base(event);
    }
    NativeWindow* native = holder->link;
    const bool viewport = receiver != native->widget;
    const QEvent::Type type = event->type();
    if (type == MessageEvent::Kind()) {
        const auto* posted = static_cast<MessageEvent*>(event);
        window->SendMessage(posted->message, posted->wParam, posted->lParam);
        return true;
    }
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return RouteMouse(holder, receiver, static_cast<QMouseEvent*>(event), base);
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        InputState::ModifiersSeen(wheel->modifiers());
        const int delta = wheel->angleDelta().y();
        SendWithDefault(window, WM_MOUSEWHEEL, MAKEWPARAM(InputState::MouseKeyFlags(), static_cast<std::uint16_t>(delta)),
            MAKELPARAM(static_cast<std::uint16_t>(global.x()), static_cast<std::uint16_t>(global.y())), event,
            [&] { return base(event); });
        event->accept();
        return true;
    }
    case QEvent::Leave:
        if (native->trackLeave && !viewport) {
            native->trackLeave = false;
            window->SendMessage(WM_MOUSELEAVE);
        }
        return base(event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (viewport)
            return base(event);
        return RouteKey(holder, receiver, static_cast<QKeyEvent*>(event), base);
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        if (viewport)
            return base(event);
        const bool handled = base(event);
        if ((window = LiveWindow(holder))) {
            CWnd* other = type == QEvent::FocusIn ? nullptr : WindowOrAncestor(QApplication::focusWidget());
            window->SendMessage(type == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS, reinterpret_cast<WPARAM>(other));
        }
        return handled;
    }
    case QEvent::Resize:
    case QEvent::WindowStateChange: {
        const bool handled = base(event);
        if (!viewport && LiveWindow(holder))
            native->ReportSize(type == QEvent::WindowStateChange);
        return handled;
    }
    case QEvent::Move: {
        const bool handled = base(event);
        if (!viewport && (window = LiveWindow(holder))) {
            const QPoint at = native->widget->pos();
            window->SendMessage(WM_MOVE, 0, MAKELPARAM(static_cast<std::uint16_t>(at.x()), static_cast<std::uint16_t>(at.y())));
        }
        return handled;
    }
    case QEvent::Paint:
        if (native->OwnPaint() && receiver == native->InputWidget()) {
            native->Paint(static_cast<QPaintEvent*>(event));
            return true;
        }
        return base(event);
    case QEvent::Close:
        event->ignore();
        window->SendMessage(WM_CLOSE);
        return true;
    case QEvent::ContextMenu: {
        if (viewport && !native->IsControl())
            return base(event);
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const LPARAM at = menu->reason() == QContextMenuEvent::Keyboard
            ? static_cast<LPARAM>(-1)
            : MAKELPARAM(static_cast<std::uint16_t>(menu->globalPos().x()), static_cast<std::uint16_t>(menu->globalPos().y()));
        SendWithDefault(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), at, event, [&] { return base(event); });
        return true;
    }
    case QEvent::Timer: {
        const int qtId = static_cast<QTimerEvent*>(event)->timerId();
        for (const auto& [id, timer] : native->timers) {
            if (timer == qtId) {
                window->SendMessage(WM_TIMER, id);
                return true;
            }
        }
        return base(event);
    }
    default:
        return base(event);
    }
}

QEvent::Type MessageEvent::Kind()
{
    static const QEvent::Type kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
}
