#include "ClassWindow.h"

#include "Brush.h"
#include "QtBridge.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {
// The class window whose widget holds the part, or null once the window is gone.
ClassWindow* WindowOfPart(const QWidget* part)
{
    const auto* holder = dynamic_cast<const WidgetLink*>(part->parentWidget());
    return holder ? dynamic_cast<ClassWindow*>(holder->link) : nullptr;
}

// The window rectangle. Mouse input on its border is the frame's, not the client area's.
class FrameWidget : public Bridged<QWidget>
{
public:
    using Bridged<QWidget>::Bridged;

protected:
    bool event(QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            event->accept();
            return true;
        default:
            return Bridged<QWidget>::event(event);
        }
    }

    void resizeEvent(QResizeEvent*) override
    {
        if (auto* window = dynamic_cast<ClassWindow*>(link))
            window->Layout();
    }

    void paintEvent(QPaintEvent*) override
    {
        if (auto* window = dynamic_cast<ClassWindow*>(link)) {
            QPainter painter(this);
            window->PaintFrame(painter);
        }
    }
};

// The client area: its input and painting become the window's messages.
class ClientArea : public QWidget
{
public:
    explicit ClientArea(QWidget* frame)
        : QWidget(frame)
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    bool event(QEvent* event) override
    {
        // Looked up each time: while the frame is being destroyed it is no longer a link.
        auto* holder = dynamic_cast<WidgetLink*>(parentWidget());
        if (!holder)
            return QWidget::event(event);
        return RouteEvent(holder, this, event, [this](QEvent* e) { return QWidget::event(e); });
    }
};

// One of the window's own scroll bars: the wheel over it is the window's.
class WindowScrollBar : public QScrollBar
{
public:
    WindowScrollBar(Qt::Orientation orientation, QWidget* frame)
        : QScrollBar(orientation, frame)
    {
        setFocusPolicy(Qt::NoFocus);
        setTracking(false);
        setContextMenuPolicy(Qt::NoContextMenu);
        connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
            const UINT code = ScrollBarModel::CodeOf(action);
            if (ClassWindow* window = WindowOfPart(this))
                code == SB_ENDSCROLL ? window->ShowValues(Which()) : window->Scroll(Which(), code);
        });
        connect(this, &QAbstractSlider::sliderMoved, this, [this] {
            if (ClassWindow* window = WindowOfPart(this))
                window->Scroll(Which(), SB_THUMBTRACK);
        });
        connect(this, &QAbstractSlider::sliderReleased, this, [this] {
            if (ClassWindow* window = WindowOfPart(this))
                window->Scroll(Which(), SB_THUMBPOSITION);
        });
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QScrollBar::mouseReleaseEvent(event);
        if (event->button() != Qt::LeftButton)
            return;
        if (ClassWindow* window = WindowOfPart(this))
            window->Scroll(Which(), SB_ENDSCROLL);
    }

    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    int Which() const { return orientation() == Qt::Vertical ? SB_VERT : SB_HORZ; }
};

int BarExtent()
{
    return GetSystemMetrics(SM_CXVSCROLL);
}

DWORD StyleOf(int bar)
{
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}
}

QWidget* ClassWindow::MakeWidget(QWidget* parent, const CREATESTRUCT&)
{
    auto* frame = new FrameWidget(parent);
    frame->setFocusPolicy(Qt::NoFocus);
    m_client = new ClientArea(frame);
    m_horizontal.widget = new WindowScrollBar(Qt::Horizontal, frame);
    m_vertical.widget = new WindowScrollBar(Qt::Vertical, frame);
    for (Bar* bar : { &m_horizontal, &m_vertical })
        bar->model.ShowOn(bar->widget);
    return frame;
}

QRect ClassWindow::ClientRect() const
{
    if (!widget)
        return QRect();
    const int border = Bordered() ? 1 : 0;
    const int width = widget->width() - 2 * border - (style & WS_VSCROLL ? BarExtent() : 0);
    const int height = widget->height() - 2 * border - (style & WS_HSCROLL ? BarExtent() : 0);
    return QRect(border, border, std::max(width, 0), std::max(height, 0));
}

void ClassWindow::SetScrollInfo(int bar, const SCROLLINFO& info)
{
    Bar& target = BarOf(bar);
    const ScrollBarModel::Visibility visibility = target.model.Set(info);
    ShowValues(bar);
    if (visibility != ScrollBarModel::Visibility::Keep)
        ShowScrollBar(bar, visibility == ScrollBarModel::Visibility::Show);
}

void ClassWindow::GetScrollInfo(int bar, SCROLLINFO* info) const
{
    // The thumb shows the position except while the user drags it.
    const Bar& source = BarOf(bar);
    source.model.Get(info, source.widget ? source.widget->sliderPosition() : source.model.Position());
}

void ClassWindow::ShowScrollBar(int bar, bool show)
{
    const DWORD bit = StyleOf(bar);
    if (((style & bit) != 0) == show)
        return;
    style = show ? style | bit : style & ~bit;
    Layout();
    if (widget)
        widget->update();
    ReportSize(false);
}

void ClassWindow::Scroll(int bar, UINT code)
{
    Bar& source = BarOf(bar);
    const bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
    const int position = thumb && source.widget ? source.widget->sliderPosition() : 0;
    owner->SendMessage(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<std::uint32_t>(position)), 0);
    if (!destroyed)
        ShowValues(bar);
}

void ClassWindow::ShowValues(int bar)
{
    Bar& target = BarOf(bar);
    if (target.widget)
        target.model.ShowOn(target.widget);
}

void ClassWindow::Layout()
{
    if (!widget || !m_client)
        return;
    const QRect client = ClientRect();
    m_client->setGeometry(client);
    if (m_vertical.widget) {
        m_vertical.widget->setGeometry(client.left() + client.width(), client.top(), BarExtent(), client.height());
        m_vertical.widget->setVisible(style & WS_VSCROLL);
    }
    if (m_horizontal.widget) {
        m_horizontal.widget->setGeometry(client.left(), client.top() + client.height(), client.width(), BarExtent());
        m_horizontal.widget->setVisible(style & WS_HSCROLL);
    }
}

void ClassWindow::PaintFrame(QPainter& painter) const
{
    if (!widget)
        return;
    if (Bordered()) {
        const int width = widget->width();
        const int height = widget->height();
        const QColor black(0, 0, 0);
        painter.fillRect(QRect(0, 0, width, 1), black);
        painter.fillRect(QRect(0, height - 1, width, 1), black);
        painter.fillRect(QRect(0, 0, 1, height), black);
        painter.fillRect(QRect(width - 1, 0, 1, height), black);
    }
    if ((style & (WS_HSCROLL | WS_VSCROLL)) == (WS_HSCROLL | WS_VSCROLL)) {
        const QRect client = ClientRect();
        painter.fillRect(QRect(client.left() + client.width(), client.top() + client.height(), BarExtent(), BarExtent()),
            ToQColor(GetSysColor(COLOR_BTNFACE)));
    }
}

bool ClassWindow::Bordered() const
{
    // A caption includes the border bit; a captioned window's frame is the desktop's.
    return (style & WS_CAPTION) == WS_BORDER;
}

std::unique_ptr<NativeWindow> MakeClassWindow(CWnd* owner)
{
    return std::make_unique<ClassWindow>(owner);
}
