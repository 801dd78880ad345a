#include "UiTest.h"

#include "NativeWindow.h"
#include "QtBridge.h"
#include "Text.h"
#include "WinMessages.h"
#include "WinStyles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

namespace {
QWidget* InputOf(CWnd* window)
{
    return window && window->Native() ? window->Native()->InputWidget() : nullptr;
}

QWidget* KeyTarget(CWnd* window)
{
    if (!window)
        return QApplication::focusWidget();
    QWidget* widget = WidgetOf(window);
    if (widget) {
        widget->window()->activateWindow();
        widget->setFocus(Qt::OtherFocusReason);
    }
    return widget;
}

// The widget under the point: an inner part of a control (a tool bar's button) gets the event.
QWidget* Deepest(CWnd* window, QPoint* point)
{
    QWidget* input = InputOf(window);
    if (!input)
        return nullptr;
    QWidget* inner = input->childAt(*point);
    if (inner && WindowOrAncestor(inner) == window) {
        *point = inner->mapFrom(input, *point);
        return inner;
    }
    return input;
}

Qt::MouseButton ButtonOf(UINT button)
{
    return button == VK_RBUTTON ? Qt::RightButton : button == VK_MBUTTON ? Qt::MiddleButton : Qt::LeftButton;
}

Qt::KeyboardModifiers ModifiersOf(UINT keys)
{
    Qt::KeyboardModifiers modifiers;
    if (keys & MK_SHIFT)
        modifiers |= Qt::ShiftModifier;
    if (keys & MK_CONTROL)
        modifiers |= Qt::ControlModifier;
    if (keys & UiTest::ALT_KEY)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::Key QtKeyOf(UINT vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return static_cast<Qt::Key>(vk);
    if (vk >= VK_F1 && vk <= VK_F12)
        return static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(vk - VK_F1));
    switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_SHIFT: return Qt::Key_Shift;
    case VK_CONTROL: return Qt::Key_Control;
    case VK_MENU: return Qt::Key_Alt;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_APPS: return Qt::Key_Menu;
    case VK_OEM_PERIOD: return Qt::Key_Period;
    case VK_OEM_COMMA: return Qt::Key_Comma;
    case VK_OEM_MINUS: return Qt::Key_Minus;
    default: return Qt::Key_unknown;
    }
}

QString TextOf(UINT vk, UINT keys)
{
    if (keys & (MK_CONTROL | UiTest::ALT_KEY))
        return QString();
    if (vk >= 'A' && vk <= 'Z')
        return QString(QChar(keys & MK_SHIFT ? vk : vk + 32));
    if (vk >= '0' && vk <= '9')
        return QString(QChar(vk));
    switch (vk) {
    case VK_SPACE: return QStringLiteral(" ");
    case VK_BACK: return QStringLiteral("\b");
    case VK_TAB: return QStringLiteral("\t");
    case VK_RETURN: return QStringLiteral("\r");
    case VK_ESCAPE: return QString(QChar(27));
    case VK_OEM_PERIOD: return QStringLiteral(".");
    case VK_OEM_COMMA: return QStringLiteral(",");
    case VK_OEM_MINUS: return QStringLiteral("-");
    default: return QString();
    }
}

// The part of the window at a point of its rectangle, with the point in the part's coordinates.
QWidget* FramePart(CWnd* window, QPoint* point)
{
    QWidget* frame = WidgetOf(window);
    if (!frame)
        return nullptr;
    QWidget* part = frame->childAt(*point);
    if (!part)
        return frame;
    *point = part->mapFrom(frame, *point);
    return part;
}

void SendKey(CWnd* window, UINT vk, UINT keys, QEvent::Type type)
{
    QWidget* target = KeyTarget(window);
    if (!target)
        return;
    QKeyEvent event(type, QtKeyOf(vk), ModifiersOf(keys), TextOf(vk, keys));
    QApplication::sendEvent(target, &event);
}
}

namespace UiTest {
void ProcessEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (timer.elapsed() < milliseconds);
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void RunFromLoop(std::function<void()> action, int milliseconds)
{
    QTimer::singleShot(milliseconds, std::move(action));
}

void MouseDown(CWnd* window, int x, int y, UINT button, UINT keys)
{
    QPoint point(x, y);
    if (QWidget* widget = Deepest(window, &point))
        QTest::mousePress(widget, ButtonOf(button), ModifiersOf(keys), point);
}

void MouseUp(CWnd* window, int x, int y, UINT button, UINT keys)
{
    QPoint point(x, y);
    if (QWidget* widget = Deepest(window, &point))
        QTest::mouseRelease(widget, ButtonOf(button), ModifiersOf(keys), point);
}

void Click(CWnd* window, int x, int y, UINT button, UINT keys)
{
    MouseDown(window, x, y, button, keys);
    MouseUp(window, x, y, button, keys);
}

void DoubleClick(CWnd* window, int x, int y)
{
    if (QWidget* widget = InputOf(window))
        QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void MouseMove(CWnd* window, int x, int y, UINT heldButtons)
{
    QWidget* widget = InputOf(window);
    if (!widget)
        return;
    Qt::MouseButtons buttons;
    if (heldButtons & MK_LBUTTON)
        buttons |= Qt::LeftButton;
    if (heldButtons & MK_RBUTTON)
        buttons |= Qt::RightButton;
    const QPoint local(x, y);
    QMouseEvent event(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Wheel(CWnd* window, int x, int y, int delta)
{
    QWidget* widget = InputOf(window);
    if (!widget)
        return;
    const QPointF local(x, y);
    QWheelEvent event(local, widget->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void MouseLeave(CWnd* window)
{
    if (QWidget* widget = WidgetOf(window)) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget, &event);
    }
}

void FireTimers(CWnd* window)
{
    if (!window || !window->Native())
        return;
    std::vector<UINT_PTR> running;
    for (const auto& timer : window->Native()->timers)
        running.push_back(timer.first);
    // A handler may kill a timer or destroy the window on the way.
    for (UINT_PTR id : running) {
        if (window->Native() && window->Native()->timers.count(id))
            window->SendMessage(WM_TIMER, id);
    }
}

void FrameMouseDown(CWnd* window, int x, int y)
{
    QPoint point(x, y);
    if (QWidget* part = FramePart(window, &point))
        QTest::mousePress(part, Qt::LeftButton, Qt::NoModifier, point);
}

void FrameMouseMove(CWnd* window, int x, int y)
{
    QPoint point(x, y);
    if (QWidget* part = FramePart(window, &point)) {
        QMouseEvent event(QEvent::MouseMove, point, part->mapToGlobal(point), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(part, &event);
    }
}

void FrameMouseUp(CWnd* window, int x, int y)
{
    QPoint point(x, y);
    if (QWidget* part = FramePart(window, &point))
        QTest::mouseRelease(part, Qt::LeftButton, Qt::NoModifier, point);
}

RECT ScrollBarPart(CWnd* window, int bar, ScrollPart part)
{
    QWidget* frame = WidgetOf(window);
    if (!frame)
        return RECT {};
    const Qt::Orientation orientation = bar == SB_VERT ? Qt::Vertical : Qt::Horizontal;
    for (QScrollBar* scrollBar : frame->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
        if (scrollBar->orientation() != orientation || !scrollBar->isVisible())
            continue;
        QStyleOptionSlider option;
        option.initFrom(scrollBar);
        option.orientation = orientation;
        if (orientation == Qt::Horizontal)
            option.state |= QStyle::State_Horizontal;
        option.minimum = scrollBar->minimum();
        option.maximum = scrollBar->maximum();
        option.sliderPosition = scrollBar->sliderPosition();
        option.sliderValue = scrollBar->value();
        option.singleStep = scrollBar->singleStep();
        option.pageStep = scrollBar->pageStep();
        const QStyle::SubControl controls[] = { QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine,
            QStyle::SC_ScrollBarSubPage, QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSlider };
        const QRect rect = scrollBar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
            controls[static_cast<int>(part)], scrollBar);
        return RECT { rect.left() + scrollBar->x(), rect.top() + scrollBar->y(), rect.left() + scrollBar->x() + rect.width(),
            rect.top() + scrollBar->y() + rect.height() };
    }
    return RECT {};
}

void KeyDown(CWnd* window, UINT virtualKey, UINT keys)
{
    SendKey(window, virtualKey, keys, QEvent::KeyPress);
}

void KeyUp(CWnd* window, UINT virtualKey, UINT keys)
{
    SendKey(window, virtualKey, keys, QEvent::KeyRelease);
}

void KeyPress(CWnd* window, UINT virtualKey, UINT keys)
{
    KeyDown(window, virtualKey, keys);
    KeyUp(window, virtualKey, keys);
}

void TypeText(CWnd* window, const std::u16string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        if (ch >= u'a' && ch <= u'z')
            KeyPress(window, ch - 32);
        else if (ch >= u'A' && ch <= u'Z')
            KeyPress(window, ch, MK_SHIFT);
        else if (ch >= u'0' && ch <= u'9')
            KeyPress(window, ch);
        else if (ch == u' ')
            KeyPress(window, VK_SPACE);
        else if (ch == u'.')
            KeyPress(window, VK_OEM_PERIOD);
        else if (QWidget* target = KeyTarget(window)) {
            // A character outside the Basic Multilingual Plane comes as one key with two units.
            const qsizetype length = IsPairAt(text, i) ? 2 : 1;
            const QString typed = QString::fromUtf16(text.data() + i, length);
            i += static_cast<std::size_t>(length) - 1;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(target, &press);
        }
    }
}

Image Grab(CWnd* window)
{
    Image image;
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return image;
    const QImage picture = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.width = picture.width();
    image.height = picture.height();
    image.pixels.reserve(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            image.pixels.push_back(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    return image;
}

std::u16string VisibleFieldText(CWnd* window)
{
    QWidget* widget = WidgetOf(window);
    auto* line = qobject_cast<QLineEdit*>(widget);
    if (!line && widget)
        line = widget->findChild<QLineEdit*>();
    if (!line)
        return {};
    // A line edit keeps two pixels free at each side and scrolls a longer text within the rest.
    const QRect inside = line->contentsRect().marginsRemoved(line->textMargins()).adjusted(2, 0, -2, 0);
    const int first = line->cursorPositionAt(QPoint(inside.left(), inside.center().y()));
    const int last = line->cursorPositionAt(QPoint(inside.right(), inside.center().y()));
    return FromQString(line->displayText().mid(first, last - first));
}

std::vector<std::u16string> ModalButtonTexts()
{
    std::vector<std::u16string> texts;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        for (const QAbstractButton* button : modal->findChildren<QAbstractButton*>())
            texts.push_back(FromQString(QString(button->text()).remove(u'&')));
    }
    return texts;
}

void CloseModal()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void UseFontPointSize(int points)
{
    static const QFont original = QApplication::font();
    QFont font = original;
    if (points > 0)
        font.setPointSize(points);
    QApplication::setFont(font);
    // The open widgets hear of it by posted events: deliver them now.
    QCoreApplication::sendPostedEvents();
}

void UseDarkPalette()
{
    QPalette dark;
    for (const QPalette::ColorRole role : { QPalette::Window, QPalette::Base, QPalette::Button })
        dark.setColor(role, QColor(45, 45, 45));
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        dark.setColor(role, QColor(250, 250, 250));
    QApplication::setPalette(dark);
}

bool IsResizable(CWnd* window)
{
    const QWidget* widget = WidgetOf(window);
    return widget && widget->window()->minimumSize() != widget->window()->maximumSize();
}

bool IsFrameless(CWnd* window)
{
    QWidget* widget = WidgetOf(window);
    return widget && widget->isWindow() && widget->windowFlags().testFlag(Qt::FramelessWindowHint);
}

int CursorShape(CWnd* window)
{
    if (const QCursor* shown = QGuiApplication::overrideCursor())
        return static_cast<int>(shown->shape());
    QWidget* widget = InputOf(window);
    return widget ? static_cast<int>(widget->cursor().shape()) : -1;
}
}
