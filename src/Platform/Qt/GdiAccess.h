#pragma once

// Private to the platform layer: the Qt values behind the GDI objects, which the public headers
// keep opaque.

#include "Bitmap.h"
#include "Dc.h"
#include "Font.h"
#include "Rgn.h"

#include <QFont>
#include <QImage>
#include <QRegion>

struct BitmapImage : QImage
{
    using QImage::QImage;
    explicit BitmapImage(const QImage& image)
        : QImage(image)
    {
    }
};

struct FontFace : QFont
{
    explicit FontFace(const QFont& font)
        : QFont(font)
    {
    }
};

struct RegionShape : QRegion
{
    using QRegion::QRegion;
    explicit RegionShape(const QRegion& region)
        : QRegion(region)
    {
    }
};

class QPainter;
class QSize;

struct GdiAccess
{
    // The bitmap's pixels; the bitmap must be created.
    static QImage& Image(CBitmap& bitmap) { return *bitmap.m_image; }
    static const QImage& Image(const CBitmap& bitmap) { return *bitmap.m_image; }
    // The font's face; the application font for a font not created.
    static QFont Font(const CFont& font);
    // An empty region for a region not created.
    static QRegion Region(const CRgn& region);
    static void SetRegion(CRgn& region, const QRegion& shape);
    // Points the context at a painter of another's making (a widget's paint, a list item).
    static void AttachPainter(CDC& dc, QPainter* painter, const QSize& size);
};

// The Qt font of a logical font.
QFont MakeQFont(const LOGFONTW& font);
