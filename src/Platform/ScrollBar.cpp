#include "ScrollBar.h"

#include "ControlKinds.h"
#include "NativeWindow.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {
class ScrollBarWidget : public Bridged<QScrollBar>
{
public:
    using Bridged<QScrollBar>::Bridged;

    // Qt repeats a held arrow or page by itself; on the desktop the program repeats it, by its
    // own timer, while it sees the part pressed.
    void StopRepeat() { setRepeatAction(SliderNoAction); }

    QStyle::SubControl PartAt(const QPoint& point) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, this);
    }

    QRect PartRect(QStyle::SubControl part) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
    }
};

// The SCROLLBARINFO entry of each part: 1 the up (left) arrow, 2 the page above the thumb,
// 3 the thumb, 4 the page below it, 5 the down (right) arrow.
int StateIndex(QStyle::SubControl part)
{
    switch (part) {
    case QStyle::SC_ScrollBarSubLine: return 1;
    case QStyle::SC_ScrollBarSubPage: return 2;
    case QStyle::SC_ScrollBarSlider: return 3;
    case QStyle::SC_ScrollBarAddPage: return 4;
    case QStyle::SC_ScrollBarAddLine: return 5;
    default: return 0;
    }
}

class ScrollBarWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* bar = new ScrollBarWidget(create.style & SBS_VERT ? Qt::Vertical : Qt::Horizontal, parent);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setTracking(false);
        bar->setRange(0, 0);
        QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int action) { OnAction(bar, action); });
        // Without tracking Qt reports a dragged thumb through sliderMoved only.
        QObject::connect(bar, &QAbstractSlider::sliderMoved, bar, [this](int at) { Scroll(SB_THUMBTRACK, at); });
        QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, bar] {
            Scroll(SB_THUMBPOSITION, bar->sliderPosition());
            Scroll(SB_ENDSCROLL, 0);
        });
        return bar;
    }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ScrollBarWidget* bar = Bar();
        const QPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        switch (message) {
        case WM_MOUSEWHEEL:
            return SendToParent(message, wParam, lParam);
        case WM_LBUTTONDOWN: {
            if (!bar)
                break;
            held = bar->PartAt(point);
            heldUnder = true;
            pressing = true;
            const LRESULT result = NativeWindow::ClassProc(message, wParam, lParam);
            pressing = false;
            if ((bar = Bar()))
                bar->StopRepeat();
            return result;
        }
        case WM_MOUSEMOVE: {
            const LRESULT result = NativeWindow::ClassProc(message, wParam, lParam);
            if ((bar = Bar())) {
                bar->StopRepeat();
                heldUnder = held != QStyle::SC_None && bar->PartRect(held).contains(point);
            }
            return result;
        }
        case WM_LBUTTONUP: {
            const bool endStep = stepped;
            held = QStyle::SC_None;
            heldUnder = false;
            stepped = false;
            const LRESULT result = NativeWindow::ClassProc(message, wParam, lParam);
            if (endStep)
                Scroll(SB_ENDSCROLL, 0);
            return result;
        }
        default:
            break;
        }
        return NativeWindow::ClassProc(message, wParam, lParam);
    }

    ScrollBarWidget* Bar() const { return static_cast<ScrollBarWidget*>(widget.data()); }

    void Apply()
    {
        if (QScrollBar* bar = Bar()) {
            // The program's own setting is no thumb move to report back to it.
            const QSignalBlocker quiet(bar);
            const int page = static_cast<int>(std::max<UINT>(page_, 1));
            const int top = std::max(minimum, maximum - page + 1);
            bar->setRange(minimum, top);
            bar->setPageStep(static_cast<int>(page_));
            bar->setSliderPosition(std::clamp(position, minimum, top));
        }
    }

    void FillInfo(SCROLLBARINFO* info) const
    {
        owner->GetWindowRect(&info->rcScrollBar);
        std::fill(std::begin(info->rgstate), std::end(info->rgstate), 0);
        ScrollBarWidget* bar = Bar();
        if (!bar)
            return;
        const bool vertical = bar->orientation() == Qt::Vertical;
        const QRect arrow = bar->PartRect(QStyle::SC_ScrollBarSubLine);
        const QRect thumb = bar->PartRect(QStyle::SC_ScrollBarSlider);
        info->dxyLineButton = vertical ? arrow.height() : arrow.width();
        info->xyThumbTop = vertical ? thumb.top() : thumb.left();
        info->xyThumbBottom = vertical ? thumb.bottom() + 1 : thumb.right() + 1;
        info->rgstate[0] = (bar->isVisible() ? 0 : STATE_SYSTEM_INVISIBLE) | (bar->isEnabled() ? 0 : STATE_SYSTEM_UNAVAILABLE);
        if (heldUnder && StateIndex(held) != 0)
            info->rgstate[StateIndex(held)] = STATE_SYSTEM_PRESSED;
    }

    int minimum = 0;
    int maximum = 0;
    UINT page_ = 0;
    int position = 0;

private:
    void Scroll(UINT code, int thumb)
    {
        SendToParent(style & SBS_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<std::uint32_t>(thumb)),
            reinterpret_cast<LPARAM>(owner));
    }

    void OnAction(QScrollBar* bar, int action)
    {
        UINT code = SB_ENDSCROLL;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
        case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
        case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
        case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
        case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
        case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
        default: break;
        }
        // One step per press: Qt steps again when the pointer comes back onto a held part.
        if (code <= SB_PAGEDOWN && !pressing)
            code = SB_ENDSCROLL;
        QPointer<QScrollBar> guard(bar);
        if (code != SB_ENDSCROLL) {
            stepped = true;
            Scroll(code, bar->sliderPosition());
        }
        if (guard && !destroyed)
            bar->setSliderPosition(position);
    }

    // The part under the pressed button, and whether the pointer is on it.
    QStyle::SubControl held = QStyle::SC_None;
    bool heldUnder = false;
    bool pressing = false;
    // A line or page step was made since the button went down.
    bool stepped = false;
};

ScrollBarWindow* Kind(const CWnd* window)
{
    return window ? dynamic_cast<ScrollBarWindow*>(window->Native()) : nullptr;
}
}

std::unique_ptr<NativeWindow> MakeScrollBarWindow(CWnd* owner)
{
    return std::make_unique<ScrollBarWindow>(owner);
}

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"SCROLLBAR", u"", style, rect, parent, id);
}

BOOL CScrollBar::SetScrollInfo(const SCROLLINFO* info, BOOL)
{
    ScrollBarWindow* bar = Kind(this);
    if (!bar || !info)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        bar->minimum = info->nMin;
        bar->maximum = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
        bar->page_ = info->nPage;
    if (info->fMask & SIF_POS)
        bar->position = info->nPos;
    const int top = std::max(bar->minimum, bar->maximum - static_cast<int>(std::max<UINT>(bar->page_, 1)) + 1);
    bar->position = std::clamp(bar->position, bar->minimum, top);
    bar->Apply();
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const
{
    ScrollBarWindow* bar = Kind(this);
    if (!bar || !info)
        return FALSE;
    info->fMask = mask;
    info->nMin = bar->minimum;
    info->nMax = bar->maximum;
    info->nPage = bar->page_;
    info->nPos = bar->position;
    info->nTrackPos = bar->Bar() ? bar->Bar()->sliderPosition() : bar->position;
    return TRUE;
}

int CScrollBar::SetScrollPos(int position, BOOL redraw)
{
    const int previous = GetScrollPos();
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(&info, redraw);
    return previous;
}

int CScrollBar::GetScrollPos() const
{
    ScrollBarWindow* bar = Kind(this);
    return bar ? bar->position : 0;
}

BOOL CScrollBar::GetScrollBarInfo(SCROLLBARINFO* info) const
{
    ScrollBarWindow* bar = Kind(this);
    if (!bar || !info)
        return FALSE;
    bar->FillInfo(info);
    return TRUE;
}

void CScrollBar::ShowScrollBar(BOOL show)
{
    ShowWindow(show ? SW_SHOW : SW_HIDE);
}
