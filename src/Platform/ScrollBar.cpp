#include "ScrollBar.h"

#include "ControlKinds.h"
#include "NativeWindow.h"

#include <QScrollBar>

namespace {
class ScrollBarWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* bar = new Bridged<QScrollBar>(create.style & SBS_VERT ? Qt::Vertical : Qt::Horizontal, parent);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setTracking(false);
        bar->setRange(0, 0);
        QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int action) { OnAction(bar, action); });
        QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, bar] {
            Scroll(SB_THUMBPOSITION, bar->sliderPosition());
            Scroll(SB_ENDSCROLL, 0);
        });
        return bar;
    }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEWHEEL)
            return SendToParent(message, wParam, lParam);
        return NativeWindow::ClassProc(message, wParam, lParam);
    }

    QScrollBar* Bar() const { return static_cast<QScrollBar*>(widget.data()); }

    void Apply()
    {
        if (QScrollBar* bar = Bar()) {
            const int page = static_cast<int>(std::max<UINT>(page_, 1));
            const int top = std::max(minimum, maximum - page + 1);
            bar->setRange(minimum, top);
            bar->setPageStep(static_cast<int>(page_));
            bar->setSliderPosition(std::clamp(position, minimum, top));
        }
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
        case QAbstractSlider::SliderMove:
            if (bar->isSliderDown()) {
                Scroll(SB_THUMBTRACK, bar->sliderPosition());
                return;
            }
            break;
        default: break;
        }
        QPointer<QScrollBar> guard(bar);
        if (code != SB_ENDSCROLL)
            Scroll(code, bar->sliderPosition());
        if (guard && !destroyed)
            bar->setSliderPosition(position);
    }
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

void CScrollBar::SetScrollRange(int minimum, int maximum, BOOL redraw)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minimum;
    info.nMax = maximum;
    SetScrollInfo(&info, redraw);
}

void CScrollBar::GetScrollRange(int* minimum, int* maximum) const
{
    SCROLLINFO info;
    GetScrollInfo(&info);
    *minimum = info.nMin;
    *maximum = info.nMax;
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

void CScrollBar::ShowScrollBar(BOOL show)
{
    ShowWindow(show ? SW_SHOW : SW_HIDE);
}
