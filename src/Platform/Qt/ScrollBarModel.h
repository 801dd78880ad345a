#pragma once

// Private to the platform layer: the values of a desktop scroll bar and their showing on a Qt
// scroll bar. The bar never moves by itself: a user action becomes a scroll code for the
// program, and the bar shows the position the program sets.

#include "ScrollBar.h"

class QScrollBar;

class ScrollBarModel
{
public:
    // What a change of the values asks of a window's own scroll bar.
    enum class Visibility { Keep, Show, Hide };

    // Takes the fields of the mask as SetScrollInfo does: an inverted range becomes 0 to 0, the
    // page at most the range, the position within the range less the page. A change that
    // leaves nothing to scroll hides the bar, or disables it with SIF_DISABLENOSCROLL; a
    // change that gives something to scroll shows and enables it.
    Visibility Set(const SCROLLINFO& info);
    // Fills the fields of the mask; `track` is the position of the thumb being dragged.
    void Get(SCROLLINFO* info, int track) const;
    // Shows the values on the Qt bar; a thumb being dragged stays under the pointer.
    void ShowOn(QScrollBar* bar) const;
    int Position() const { return m_position; }

    // The scroll code of a Qt slider action; SB_ENDSCROLL when the action is not one to report
    // (the thumb's moves come as QAbstractSlider::sliderMoved).
    static UINT CodeOf(int action);

private:
    bool Scrolls() const;
    int LastPosition() const;

    // A window's bars start with the range 0 to 100, as on the desktop.
    int m_minimum = 0;
    int m_maximum = 100;
    UINT m_page = 0;
    int m_position = 0;
    bool m_enabled = true;
};
