#pragma once

// Private to the platform layer: the native side of a window object. A NativeWindow keeps the
// Qt widget of one created window with the window's desktop attributes (style, id, class, font,
// timers) and translates the widget's Qt events into the window's messages.

#include "Wnd.h"
#include "WindowClass.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class CFont;
class NativeWindow;
class QPainter;

// The link from a widget to its window; every widget of a created window carries one.
class WidgetLink
{
public:
    virtual ~WidgetLink() = default;
    NativeWindow* link = nullptr;
    // The widget class's own key handling, without the focus chain's use of Tab.
    virtual void BaseKeyPress(QKeyEvent* event) = 0;
};

// Routes one Qt event of a widget to its window; `base` performs the Qt default when the
// window's handler asks for the default processing.
bool RouteEvent(WidgetLink* holder, QWidget* receiver, QEvent* event, const std::function<bool(QEvent*)>& base);

template <class Base>
class Bridged : public Base, public WidgetLink
{
public:
    using Base::Base;
    void BaseKeyPress(QKeyEvent* event) override { Base::keyPressEvent(event); }

protected:
    bool event(QEvent* event) override
    {
        return RouteEvent(this, this, event, [this](QEvent* e) { return Base::event(e); });
    }
};

// Scroll areas take their mouse input through their viewport.
template <class Base>
class BridgedArea : public Bridged<Base>
{
public:
    using Bridged<Base>::Bridged;

protected:
    bool viewportEvent(QEvent* event) override
    {
        return RouteEvent(this, this->viewport(), event, [this](QEvent* e) { return Base::viewportEvent(e); });
    }
};

// A message posted to a window.
class MessageEvent : public QEvent
{
public:
    static QEvent::Type Kind();
    MessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(Kind()), message(message), wParam(wParam), lParam(lParam) {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class NativeWindow
{
public:
    explicit NativeWindow(CWnd* owner);
    virtual ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Builds the widget of a window of this kind (the window's client area).
    virtual QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create);
    // The class's processing of a message that no handler took.
    virtual LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The widget that takes mouse input (a scroll area's viewport).
    virtual QWidget* InputWidget() const { return widget; }
    // The widget of the client area, which holds the child windows and is painted, and the
    // client rectangle in the widget's coordinates (known while the widget is hidden too).
    virtual QWidget* ClientWidget() const { return widget; }
    virtual QRect ClientRect() const;
    // Sends WM_SIZE when the client size or (with `stateChanged`) the window state changed.
    void ReportSize(bool stateChanged);
    // Applies the window font to the widget.
    virtual void ApplyFont();
    // The text of WM_SETTEXT / WM_GETTEXT.
    virtual void SetText(const std::u16string& text);
    virtual std::u16string Text() const;
    // Controls get the Qt widget's own handling for messages the program sends them.
    virtual bool IsControl() const { return true; }
    // Windows that paint through messages (WM_ERASEBKGND and WM_PAINT, or WM_DRAWITEM).
    virtual bool OwnPaint() const { return false; }
    virtual void Paint(QPaintEvent* event);
    // The height the widget keeps whatever height it is given (a combo box's edit), or -1.
    virtual int FixedHeight() const { return -1; }
    // Sends WM_DRAWITEM for the whole control to the parent (owner-drawn controls).
    void DrawWholeItem(QPaintEvent* event, UINT controlType, UINT state);

    // Mirrors a Qt state change of the widget (used by the control kinds).
    void Notify(UINT code);
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam);

    CWnd* owner;
    QPointer<QWidget> widget;
    WidgetLink* holder = nullptr;
    // The painter of the paint message being handled (for CPaintDC), or null.
    QPainter* painter = nullptr;
    QRect paintRect;
    // The widget's own cursor, shown when the window class has none.
    std::optional<QCursor> ownCursor;
    CWnd* parent = nullptr;
    std::vector<CWnd*> children;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::u16string className;
    WindowClassInfo windowClass;
    std::u16string text;
    CFont* font = nullptr;
    std::map<UINT_PTR, int> timers; // window timer id -> Qt timer id
    bool trackLeave = false;
    bool destroyed = false;
    QSize lastSize { -1, -1 };
};

// The widget's window, or null.
CWnd* WindowOfWidget(const QWidget* widget);
// The window that owns the widget or the closest of its ancestors.
CWnd* WindowOrAncestor(const QWidget* widget);
// The native widget of a window object, or null when it has none.
QWidget* WidgetOf(const CWnd* window);
// The widget of a window's client area, or null.
QWidget* ClientWidgetOf(const CWnd* window);

// Creates the NativeWindow kind that serves a class name (controls, or registered classes).
std::unique_ptr<NativeWindow> MakeNativeWindow(CWnd* owner, const std::u16string& className);
// Registers the native kind of a control class.
using NativeFactory = std::unique_ptr<NativeWindow> (*)(CWnd* owner);
void RegisterControlClass(const std::u16string& className, NativeFactory factory);

// Sends a message whose default processing is `run`, the Qt handling of the routed event.
LRESULT SendWithDefault(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam, QEvent* event, std::function<bool()> run);
// The default processing of the event being routed, when the window is the one it is routed to.
bool RunPendingDefault(CWnd* window, UINT message, LRESULT* result);
// Drops the default processing of the event being routed (the event is consumed).
void SkipPendingDefault(CWnd* window, UINT message);

// Keeps a native window whose window was destroyed until control returns to the event loop,
// since its widget may still be delivering the event that destroyed it.
void BuryNativeWindow(std::unique_ptr<NativeWindow> native);

// The messages being handled, innermost last.
struct Dispatching
{
    CWnd* window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::uint64_t serial;
};
void BeginDispatch(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam);
void EndDispatch();
// The innermost message being handled, or null.
const Dispatching* CurrentDispatch();
// Forgets the messages in progress (the message loop starts afresh after a fault).
void ResetDispatchState();
