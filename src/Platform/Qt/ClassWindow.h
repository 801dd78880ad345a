#pragma once

// Private to the platform layer: a window of a registered class. It paints and behaves through
// its messages only. Its widget is the window rectangle; inside it lie the client area and,
// as the style asks, a one-pixel border (WS_BORDER) and the window's own scroll bars
// (WS_HSCROLL, WS_VSCROLL), which take their place from the client area.

#include "NativeWindow.h"
#include "ScrollBarModel.h"

#include <QPointer>
#include <QScrollBar>

class ClassWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override;
    QWidget* InputWidget() const override { return m_client; }
    QWidget* ClientWidget() const override { return m_client; }
    QRect ClientRect() const override;
    bool IsControl() const override { return false; }
    bool OwnPaint() const override { return true; }

    // The window's scroll bars: `bar` is SB_HORZ or SB_VERT.
    void SetScrollInfo(int bar, const SCROLLINFO& info);
    void GetScrollInfo(int bar, SCROLLINFO* info) const;
    void ShowScrollBar(int bar, bool show);
    // A user action on a bar: sends the scroll code to the window.
    void Scroll(int bar, UINT code);
    // Shows the bar's values (after a user action, the position the program set).
    void ShowValues(int bar);

    // Places the client area and the scroll bars in the window rectangle.
    void Layout();
    // The border and the corner between two scroll bars.
    void PaintFrame(QPainter& painter) const;

private:
    struct Bar
    {
        ScrollBarModel model;
        QPointer<QScrollBar> widget;
    };

    Bar& BarOf(int bar) { return bar == SB_VERT ? m_vertical : m_horizontal; }
    const Bar& BarOf(int bar) const { return bar == SB_VERT ? m_vertical : m_horizontal; }
    bool Bordered() const;

    QPointer<QWidget> m_client;
    Bar m_horizontal;
    Bar m_vertical;
};

std::unique_ptr<NativeWindow> MakeClassWindow(CWnd* owner);
