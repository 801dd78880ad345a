#pragma once

// Private to the platform layer: the state behind a device context.

#include "Dc.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

class CBitmap;

class DcState
{
public:
    DcState();
    ~DcState();

    // The painter to draw with, or null when the context has no surface.
    QPainter* Painter() const { return painter; }
    // The bitmap image of a memory context, or null.
    QImage* Target();
    const QImage* Target() const;
    // Starts painting the current surface of a memory context.
    void BeginOnTarget();
    void EndOwnPainter();
    void DetachBitmap();

    void ApplyFont();

    // One-pixel pen drawing: a line without its last pixel, in the pen's pattern.
    void PenLine(QPoint from, QPoint to, bool withLast);
    bool PenVisible() const;
    bool OnePixelPen() const;
    QPen QtPen() const;
    QColor PenColor() const;

    QPainter* painter = nullptr;
    std::unique_ptr<QPainter> ownPainter;
    bool memory = false;
    QSize size;
    QImage defaultImage;
    CBitmap* bitmap = nullptr;
    CPen* pen = nullptr;
    CBrush* brush = nullptr;
    CFont* font = nullptr;
    QFont qfont;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    QPoint position;
    int dashPhase = 0;
    std::vector<int> savedCount;
};

// The default font of a device context.
const QFont& DefaultDcFont();
