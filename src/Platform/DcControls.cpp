#include "Dc.h"

#include "DcState.h"
#include "QtBridge.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOption>

// The painted controls take the look of the Qt controls beside them.
BOOL CDC::DrawFrameControl(RECT* rect, UINT type, UINT state)
{
    QPainter* painter = m_state->Painter();
    if (!painter || !rect)
        return FALSE;
    QStyle* style = QApplication::style();
    const QRect area = ToQRect(*rect);
    painter->save();
    if (type == DFC_BUTTON && (state & 0x1F) == DFCS_BUTTONPUSH) {
        QStyleOptionButton option;
        option.rect = area;
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled | (state & DFCS_PUSHED ? QStyle::State_Sunken : QStyle::State_Raised);
        if (state & DFCS_INACTIVE)
            option.state &= ~QStyle::State_Enabled;
        style->drawControl(QStyle::CE_PushButtonBevel, &option, painter);
    } else if (type == DFC_BUTTON) {
        QStyleOptionButton option;
        option.rect = area;
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled | (state & DFCS_CHECKED ? QStyle::State_On : QStyle::State_Off);
        const bool radio = (state & 0x1F) == DFCS_BUTTONRADIO;
        style->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &option, painter);
    } else if (type == DFC_SCROLL) {
        QStyleOptionButton option;
        option.rect = area;
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled | (state & DFCS_PUSHED ? QStyle::State_Sunken : QStyle::State_Raised);
        style->drawControl(QStyle::CE_PushButtonBevel, &option, painter);
        QStyleOption arrow;
        arrow.rect = area.adjusted(area.width() / 4, area.height() / 4, -area.width() / 4, -area.height() / 4);
        arrow.palette = option.palette;
        arrow.state = QStyle::State_Enabled;
        const UINT direction = state & 0x0F;
        const QStyle::PrimitiveElement element = direction == DFCS_SCROLLUP ? QStyle::PE_IndicatorArrowUp
            : direction == DFCS_SCROLLDOWN ? QStyle::PE_IndicatorArrowDown
            : direction == DFCS_SCROLLLEFT ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight;
        style->drawPrimitive(element, &arrow, painter);
    } else {
        painter->restore();
        return FALSE;
    }
    painter->restore();
    return TRUE;
}

void CDC::DrawFocusRect(const RECT* rect)
{
    QPainter* painter = m_state->Painter();
    if (!painter || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    painter->save();
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // Every other pixel along the frame, starting at the top left corner.
    int phase = 0;
    auto dot = [&](int x, int y) {
        if (phase++ % 2 == 0)
            painter->fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    for (int x = rect->left; x < rect->right; ++x)
        dot(x, rect->top);
    for (int y = rect->top + 1; y < rect->bottom; ++y)
        dot(rect->right - 1, y);
    for (int x = rect->right - 2; x >= rect->left && rect->bottom - 1 > rect->top; --x)
        dot(x, rect->bottom - 1);
    for (int y = rect->bottom - 2; y > rect->top && rect->right - 1 > rect->left; --y)
        dot(rect->left, y);
    painter->restore();
}
