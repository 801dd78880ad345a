#include "NativeWindow.h"

#include "ControlKinds.h"
#include "Brush.h"
#include "Dc.h"
#include "OwnerDraw.h"
#include "Font.h"
#include "InputState.h"
#include "QtBridge.h"
#include "Text.h"

#include <QApplication>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

namespace {
std::vector<Dispatching>& Dispatches()
{
    static std::vector<Dispatching> dispatches;
    return dispatches;
}
std::uint64_t g_nextSerial = 1;

struct PendingDefault
{
    std::uint64_t serial;
    CWnd* window;
    UINT message;
    std::function<bool()> run; // empty: the default was already given elsewhere
    QEvent* event;
    bool done = false;
};

// Kept by value: a fault guard may unwind past the frames that pushed them.
std::vector<PendingDefault>& Pending()
{
    static std::vector<PendingDefault> pending;
    return pending;
}

// Sends a message whose default processing is the Qt handling of the routed event.
LRESULT SendWithDefault(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam, QEvent* event,
    std::function<bool()> run)
{
    const std::uint64_t serial = g_nextSerial;
    Pending().push_back({ serial, window, message, std::move(run), event });
    const LRESULT result = window->SendMessage(message, wParam, lParam);
    Pending().erase(std::remove_if(Pending().begin(), Pending().end(),
        [serial](const PendingDefault& slot) { return slot.serial == serial; }), Pending().end());
    return result;
}

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
    const UINT message = event->type() == QEvent::MouseMove ? WM_MOUSEMOVE : ButtonMessage(event->type(), event->button());
    if (message == 0)
        return base(event);
    SendSetCursor(window, receiver, message);
    if (!(window = LiveWindow(holder)))
        return true;
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

std::vector<std::unique_ptr<NativeWindow>>& Graveyard()
{
    static std::vector<std::unique_ptr<NativeWindow>> graveyard;
    return graveyard;
}

std::map<std::u16string, NativeFactory>& Factories()
{
    static std::map<std::u16string, NativeFactory> factories;
    return factories;
}

// A window of a registered class: it paints and behaves through its messages only.
class ClassWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;
    bool IsControl() const override { return false; }
    bool OwnPaint() const override { return true; }
};

UINT QtKeyOfChar(char16_t ch, Qt::KeyboardModifiers* modifiers)
{
    switch (ch) {
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 13: return Qt::Key_Return;
    case 27: return Qt::Key_Escape;
    default: break;
    }
    if (ch >= 1 && ch <= 26) {
        *modifiers = Qt::ControlModifier;
        return Qt::Key_A + (ch - 1);
    }
    if (ch >= u'a' && ch <= u'z')
        return Qt::Key_A + (ch - u'a');
    if ((ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u' ')
        return ch;
    return Qt::Key_unknown;
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
        if (viewport || !(window = LiveWindow(holder)))
            return handled;
        const QSize size = native->widget->size();
        const bool minimized = native->widget->isMinimized();
        if (size != native->lastSize || type == QEvent::WindowStateChange) {
            native->lastSize = size;
            window->SendMessage(WM_SIZE, minimized ? SIZE_MINIMIZED : native->widget->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED,
                minimized ? 0 : MAKELPARAM(static_cast<std::uint32_t>(size.width()), static_cast<std::uint32_t>(size.height())));
        }
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

NativeWindow::NativeWindow(CWnd* owner)
    : owner(owner)
{
}

NativeWindow::~NativeWindow() = default;

QWidget* NativeWindow::MakeWidget(QWidget* parent, const CREATESTRUCT&)
{
    auto* made = new Bridged<QWidget>(parent);
    made->setFocusPolicy(Qt::NoFocus);
    return made;
}

void NativeWindow::Paint(QPaintEvent* event)
{
    QPainter painter(widget);
    QPainter* outer = this->painter;
    const QRect outerRect = paintRect;
    this->painter = &painter;
    paintRect = event->rect();
    CWnd* window = owner;
    {
        CDC eraseDc;
        eraseDc.AttachPainter(&painter, widget->size());
        window->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&eraseDc));
    }
    if (!destroyed)
        window->SendMessage(WM_PAINT);
    this->painter = outer;
    paintRect = outerRect;
}

void NativeWindow::DrawWholeItem(QPaintEvent*, UINT controlType, UINT state)
{
    QPainter painter(widget);
    CDC dc;
    dc.AttachPainter(&painter, widget->size());
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    DRAWITEMSTRUCT item;
    item.CtlType = controlType;
    item.CtlID = static_cast<UINT>(id);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state | (widget->hasFocus() ? ODS_FOCUS : 0) | (widget->isEnabled() ? 0 : ODS_DISABLED);
    item.hwndItem = owner;
    item.hDC = &dc;
    item.rcItem = RECT { 0, 0, widget->width(), widget->height() };
    SendToParent(WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item));
}

LRESULT NativeWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (RunPendingDefault(owner, message, &result))
        return result;
    switch (message) {
    case WM_CLOSE:
        owner->DestroyWindow();
        return 0;
    case WM_SETCURSOR:
        if (parent && style & WS_CHILD && parent->SendMessage(WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (windowClass.cursor)
            SetCursor(windowClass.cursor);
        else if (ownCursor && widget)
            InputWidget()->setCursor(*ownCursor);
        else if (widget)
            InputWidget()->unsetCursor();
        return FALSE;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        return parent && style & WS_CHILD ? parent->SendMessage(message, wParam, lParam) : 0;
    case WM_ERASEBKGND:
        if (windowClass.hasBackground && wParam) {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            RECT client;
            owner->GetClientRect(&client);
            dc->FillSolidRect(&client, windowClass.background);
            return TRUE;
        }
        return FALSE;
    case WM_SETTEXT:
        SetText(lParam ? std::u16string(reinterpret_cast<const char16_t*>(lParam)) : std::u16string());
        return TRUE;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(Text().size());
    case WM_GETTEXT: {
        const std::u16string value = Text();
        auto* buffer = reinterpret_cast<char16_t*>(lParam);
        if (!buffer || wParam == 0)
            return 0;
        const std::size_t count = std::min<std::size_t>(value.size(), wParam - 1);
        std::copy_n(value.data(), count, buffer);
        buffer[count] = 0;
        return static_cast<LRESULT>(count);
    }
    case WM_SETFONT:
        font = reinterpret_cast<CFont*>(wParam);
        ApplyFont();
        if (lParam && widget)
            widget->update();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    case WM_CHAR:
    case WM_KEYDOWN:
        // A key the program sends to a control gets the control's own handling.
        if (IsControl() && holder && widget) {
            Qt::KeyboardModifiers modifiers;
            if (message == WM_CHAR) {
                const auto ch = static_cast<char16_t>(wParam);
                const UINT key = QtKeyOfChar(ch, &modifiers);
                const QString text = ch >= 32 || ch == 8 || ch == 13 || ch == 9 ? QString(QChar(ch)) : QString();
                QKeyEvent synthetic(QEvent::KeyPress, static_cast<int>(key), modifiers, text);
                holder->BaseKeyPress(&synthetic);
            } else {
                const int key = wParam == VK_DELETE ? Qt::Key_Delete : wParam == VK_LEFT ? Qt::Key_Left
                    : wParam == VK_RIGHT ? Qt::Key_Right : wParam == VK_UP ? Qt::Key_Up : wParam == VK_DOWN ? Qt::Key_Down
                    : wParam == VK_HOME ? Qt::Key_Home : wParam == VK_END ? Qt::Key_End : 0;
                if (key != 0) {
                    QKeyEvent synthetic(QEvent::KeyPress, key, Qt::NoModifier);
                    holder->BaseKeyPress(&synthetic);
                }
            }
        }
        return 0;
    default:
        return 0;
    }
}

void NativeWindow::ApplyFont()
{
    if (widget)
        widget->setFont(font ? font->ToQFont() : QApplication::font());
}

void NativeWindow::SetText(const std::u16string& value)
{
    text = value;
    if (widget && widget->isWindow())
        widget->setWindowTitle(ToQString(value));
}

std::u16string NativeWindow::Text() const
{
    return text;
}

void NativeWindow::Notify(UINT code)
{
    if (parent && !destroyed)
        SendToParent(WM_COMMAND, MAKEWPARAM(static_cast<std::uint32_t>(id), code), reinterpret_cast<LPARAM>(owner));
}

LRESULT NativeWindow::SendToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    return parent ? parent->SendMessage(message, wParam, lParam) : 0;
}

CWnd* WindowOfWidget(const QWidget* widget)
{
    const auto* holder = dynamic_cast<const WidgetLink*>(widget);
    return holder && holder->link && !holder->link->destroyed ? holder->link->owner : nullptr;
}

CWnd* WindowOrAncestor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (CWnd* window = WindowOfWidget(widget))
            return window;
    }
    return nullptr;
}

QWidget* WidgetOf(const CWnd* window)
{
    return window && window->Native() ? window->Native()->widget.data() : nullptr;
}

QWidget* ParentWidgetOf(CWnd* window)
{
    return WidgetOf(window);
}

std::unique_ptr<NativeWindow> MakeNativeWindow(CWnd* owner, const std::u16string& className)
{
    RegisterBuiltInControls();
    const auto factory = Factories().find(className);
    if (factory != Factories().end())
        return factory->second(owner);
    const WindowClassInfo* registered = FindWindowClass(className);
    if (!registered)
        return nullptr;
    auto native = std::make_unique<ClassWindow>(owner);
    native->windowClass = *registered;
    return native;
}

void RegisterControlClass(const std::u16string& className, NativeFactory factory)
{
    Factories()[className] = factory;
}

bool RunPendingDefault(CWnd* window, UINT message, LRESULT* result)
{
    const Dispatching* current = CurrentDispatch();
    for (auto slot = Pending().rbegin(); slot != Pending().rend(); ++slot) {
        PendingDefault* pending = &*slot;
        if (pending->window != window || pending->message != message || !current || current->serial != pending->serial)
            continue;
        *result = 0;
        if (pending->done)
            return true;
        pending->done = true;
        const std::function<bool()> run = pending->run;
        if (run)
            run();
        return true;
    }
    return false;
}

void SkipPendingDefault(CWnd* window, UINT message)
{
    const Dispatching* current = CurrentDispatch();
    for (PendingDefault& slot : Pending()) {
        if (slot.window == window && slot.message == message && current && current->serial == slot.serial)
            slot.done = true;
    }
}

QEvent* PendingEvent(CWnd* window, UINT message)
{
    const Dispatching* current = CurrentDispatch();
    for (auto slot = Pending().rbegin(); slot != Pending().rend(); ++slot) {
        if (slot->window == window && slot->message == message && current && current->serial == slot->serial)
            return slot->event;
    }
    return nullptr;
}

void BeginDispatch(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dispatches().push_back({ window, message, wParam, lParam, g_nextSerial++ });
}

void EndDispatch()
{
    Dispatches().pop_back();
}

void ResetDispatchState()
{
    Pending().clear();
    Dispatches().clear();
}

const Dispatching* CurrentDispatch()
{
    return Dispatches().empty() ? nullptr : &Dispatches().back();
}

void BuryNativeWindow(std::unique_ptr<NativeWindow> native)
{
    Graveyard().push_back(std::move(native));
    if (Graveyard().size() == 1 && QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { Graveyard().clear(); }, Qt::QueuedConnection);
}
