#include "ScrollBarModel.h"

#include <QScrollBar>

#include <algorithm>
#include <cstdint>

ScrollBarModel::Visibility ScrollBarModel::Set(const SCROLLINFO& info)
{
    bool changed = false;
    if (info.fMask & SIF_PAGE && info.nPage != m_page) {
        m_page = info.nPage;
        changed = true;
    }
    if (info.fMask & SIF_POS)
        m_position = info.nPos;
    if (info.fMask & SIF_RANGE) {
        const std::int64_t span = static_cast<std::int64_t>(info.nMax) - info.nMin;
        const bool valid = span >= 0 && span < 0x80000000LL;
        const int minimum = valid ? info.nMin : 0;
        const int maximum = valid ? info.nMax : 0;
        if (minimum != m_minimum || maximum != m_maximum) {
            m_minimum = minimum;
            m_maximum = maximum;
            changed = true;
        }
    }
    const std::int64_t span = static_cast<std::int64_t>(m_maximum) - m_minimum + 1;
    m_page = static_cast<UINT>(std::min<std::int64_t>(m_page, span));
    m_position = std::clamp(m_position, m_minimum, LastPosition());

    if (!(info.fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)))
        return Visibility::Keep;
    if (!Scrolls()) {
        m_enabled = false;
        return changed && !(info.fMask & SIF_DISABLENOSCROLL) ? Visibility::Hide : Visibility::Keep;
    }
    // A change of the page alone enables nothing.
    if (info.fMask == SIF_PAGE)
        return Visibility::Keep;
    m_enabled = true;
    return changed ? Visibility::Show : Visibility::Keep;
}

void ScrollBarModel::Get(SCROLLINFO* info, int track) const
{
    if (info->fMask & SIF_RANGE) {
        info->nMin = m_minimum;
        info->nMax = m_maximum;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = m_page;
    if (info->fMask & SIF_POS)
        info->nPos = m_position;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = track;
}

void ScrollBarModel::ShowOn(QScrollBar* bar) const
{
    bar->setRange(m_minimum, LastPosition());
    bar->setPageStep(static_cast<int>(m_page));
    if (!bar->isSliderDown())
        bar->setSliderPosition(m_position);
    bar->setEnabled(m_enabled);
}

UINT ScrollBarModel::CodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_ENDSCROLL;
    }
}

bool ScrollBarModel::Scrolls() const
{
    return m_minimum + std::max(static_cast<int>(m_page) - 1, 0) < m_maximum;
}

int ScrollBarModel::LastPosition() const
{
    return std::max(m_minimum, m_maximum - std::max(static_cast<int>(m_page) - 1, 0));
}
