#include "Dc.h"

#include "Bitmap.h"
#include "Brush.h"
#include "DcState.h"
#include "Pen.h"
#include "GdiAccess.h"
#include "QtBridge.h"
#include "Rgn.h"

#include <QPolygon>

namespace {
QPolygon ToPolygon(const POINT* points, int count)
{
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    return polygon;
}

QPainter::CompositionMode ModeOf(DWORD rop)
{
    switch (rop) {
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    default: return QPainter::CompositionMode_Source;
    }
}

const QImage* SourceImage(CDC* source)
{
    return source ? source->State().Target() : nullptr;
}
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint previous(m_state->position.x(), m_state->position.y());
    m_state->position = QPoint(x, y);
    m_state->dashPhase = 0;
    return previous;
}

BOOL CDC::LineTo(int x, int y)
{
    m_state->PenLine(m_state->position, QPoint(x, y), false);
    m_state->position = QPoint(x, y);
    return TRUE;
}

void CDC::FillRect(const RECT* rect, CBrush* brush)
{
    if (QPainter* painter = m_state->Painter(); painter && brush && !brush->IsNull())
        painter->fillRect(ToQRect(*rect), ToQColor(brush->GetColor()));
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    if (QPainter* painter = m_state->Painter())
        painter->fillRect(ToQRect(*rect), ToQColor(color));
    m_state->bkColor = color;
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    const RECT rect { x, y, x + width, y + height };
    FillSolidRect(&rect, color);
}

void CDC::FrameRect(const RECT* rect, CBrush* brush)
{
    QPainter* painter = m_state->Painter();
    if (!painter || !brush || brush->IsNull() || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    const QColor color = ToQColor(brush->GetColor());
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    painter->fillRect(QRect(rect->left, rect->top, width, 1), color);
    painter->fillRect(QRect(rect->left, rect->bottom - 1, width, 1), color);
    painter->fillRect(QRect(rect->left, rect->top, 1, height), color);
    painter->fillRect(QRect(rect->right - 1, rect->top, 1, height), color);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    QPainter* painter = m_state->Painter();
    if (!painter || right <= left || bottom <= top)
        return FALSE;
    CBrush* brush = m_state->brush;
    const bool fill = brush && !brush->IsNull();
    if (!m_state->PenVisible()) {
        // Without a pen the filled area is one pixel smaller, as on the desktop.
        if (fill)
            painter->fillRect(QRect(left, top, right - left - 1, bottom - top - 1), ToQColor(brush->GetColor()));
        return TRUE;
    }
    if (!m_state->OnePixelPen()) {
        painter->setPen(m_state->QtPen());
        painter->setBrush(fill ? QBrush(ToQColor(brush->GetColor())) : QBrush(Qt::NoBrush));
        painter->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::NoBrush);
        return TRUE;
    }
    if (fill && right - left > 2 && bottom - top > 2)
        painter->fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), ToQColor(brush->GetColor()));
    m_state->dashPhase = 0;
    m_state->PenLine(QPoint(left, top), QPoint(right - 1, top), false);
    m_state->PenLine(QPoint(right - 1, top), QPoint(right - 1, bottom - 1), false);
    m_state->PenLine(QPoint(right - 1, bottom - 1), QPoint(left, bottom - 1), false);
    m_state->PenLine(QPoint(left, bottom - 1), QPoint(left, top), false);
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    QPainter* painter = m_state->Painter();
    if (!painter)
        return FALSE;
    CBrush* brush = m_state->brush;
    painter->setPen(m_state->PenVisible() ? QPen(m_state->PenColor(), 0) : QPen(Qt::NoPen));
    painter->setBrush(brush && !brush->IsNull() ? QBrush(ToQColor(brush->GetColor())) : QBrush(Qt::NoBrush));
    painter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::NoBrush);
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    QPainter* painter = m_state->Painter();
    if (!painter || count < 2)
        return FALSE;
    CBrush* brush = m_state->brush;
    if (brush && !brush->IsNull()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ToQColor(brush->GetColor()));
        painter->drawPolygon(ToPolygon(points, count), Qt::OddEvenFill);
        painter->setBrush(Qt::NoBrush);
    }
    m_state->dashPhase = 0;
    for (int i = 0; i < count; ++i) {
        const POINT& a = points[i];
        const POINT& b = points[(i + 1) % count];
        m_state->PenLine(QPoint(a.x, a.y), QPoint(b.x, b.y), false);
    }
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!m_state->Painter() || count < 2)
        return FALSE;
    m_state->dashPhase = 0;
    for (int i = 0; i + 1 < count; ++i)
        m_state->PenLine(QPoint(points[i].x, points[i].y), QPoint(points[i + 1].x, points[i + 1].y), false);
    return TRUE;
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush)
{
    QPainter* painter = m_state->Painter();
    if (!painter || !region || !brush || brush->IsNull())
        return FALSE;
    const QColor color = ToQColor(brush->GetColor());
    for (const QRect& rect : GdiAccess::Region(*region))
        painter->fillRect(rect, color);
    return TRUE;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* target = m_state->Target();
    if (!target || !target->rect().contains(x, y))
        return 0xFFFFFFFF;
    return FromQColor(QColor(target->pixel(x, y)));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return StretchBlt(x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
    int sourceHeight, DWORD rop)
{
    QPainter* painter = m_state->Painter();
    const QImage* image = SourceImage(source);
    if (!painter || !image || width == 0 || height == 0)
        return FALSE;
    painter->save();
    painter->setCompositionMode(ModeOf(rop));
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(QRect(x, y, width, height), *image, QRect(sourceX, sourceY, sourceWidth, sourceHeight));
    painter->restore();
    return TRUE;
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
    int sourceHeight, COLORREF transparent)
{
    QPainter* painter = m_state->Painter();
    const QImage* image = SourceImage(source);
    if (!painter || !image)
        return FALSE;
    QImage part = image->copy(sourceX, sourceY, sourceWidth, sourceHeight).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(transparent).rgb() & 0xFFFFFF;
    for (int row = 0; row < part.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(row));
        for (int column = 0; column < part.width(); ++column) {
            if ((line[column] & 0xFFFFFF) == key)
                line[column] = 0;
        }
    }
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QRect(x, y, width, height), part);
    painter->restore();
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    QPainter* painter = m_state->Painter();
    const QImage image = IconImage(icon);
    if (!painter || image.isNull())
        return FALSE;
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QPoint(x, y), image);
    painter->restore();
    return TRUE;
}

BOOL CDC::DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags, CBrush*)
{
    QPainter* painter = m_state->Painter();
    if (!painter || !bitmap || !bitmap->IsCreated())
        return FALSE;
    QImage image = GdiAccess::Image(*bitmap);
    if (flags & DSS_DISABLED)
        image = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    const int width = size.cx > 0 ? size.cx : image.width();
    const int height = size.cy > 0 ? size.cy : image.height();
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QPoint(point.x, point.y), image, QRect(0, 0, width, height));
    painter->restore();
    return TRUE;
}
