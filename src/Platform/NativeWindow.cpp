#include "NativeWindow.h"

#include "ClassWindow.h"
#include "ControlKinds.h"
#include "Brush.h"
#include "Dc.h"
#include "OwnerDraw.h"
#include "Font.h"
#include "InputState.h"
#include "GdiAccess.h"
#include "QtBridge.h"
#include "Text.h"

#include <QApplication>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

namespace {
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

QRect NativeWindow::ClientRect() const
{
    return widget ? widget->rect() : QRect();
}

void NativeWindow::ReportSize(bool stateChanged)
{
    if (!widget || destroyed)
        return;
    const QSize size = ClientRect().size();
    if (size == lastSize && !stateChanged)
        return;
    lastSize = size;
    const bool minimized = widget->isMinimized();
    owner->SendMessage(WM_SIZE, minimized ? SIZE_MINIMIZED : widget->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED,
        minimized ? 0 : MAKELPARAM(static_cast<std::uint32_t>(size.width()), static_cast<std::uint32_t>(size.height())));
}

void NativeWindow::Paint(QPaintEvent* event)
{
    QPainter painter(ClientWidget());
    QPainter* outer = this->painter;
    const QRect outerRect = paintRect;
    this->painter = &painter;
    paintRect = event->rect();
    CWnd* window = owner;
    {
        CDC eraseDc;
        GdiAccess::AttachPainter(eraseDc, &painter, ClientRect().size());
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
    GdiAccess::AttachPainter(dc, &painter, widget->size());
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
        widget->setFont(font ? GdiAccess::Font(*font) : QApplication::font());
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

QWidget* ClientWidgetOf(const CWnd* window)
{
    return window && window->Native() ? window->Native()->ClientWidget() : nullptr;
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
    std::unique_ptr<NativeWindow> native = MakeClassWindow(owner);
    native->windowClass = *registered;
    return native;
}

void RegisterControlClass(const std::u16string& className, NativeFactory factory)
{
    Factories()[className] = factory;
}

void BuryNativeWindow(std::unique_ptr<NativeWindow> native)
{
    Graveyard().push_back(std::move(native));
    if (Graveyard().size() == 1 && QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { Graveyard().clear(); }, Qt::QueuedConnection);
}
