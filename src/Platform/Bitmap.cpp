#include "Bitmap.h"

#include "Dc.h"
#include "DcState.h"
#include "GdiAccess.h"
#include "QtBridge.h"

#include <QImage>

CBitmap::CBitmap() = default;

CBitmap::~CBitmap()
{
    DeleteObject();
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    DeleteObject();
    m_image = std::make_unique<BitmapImage>(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_image->fill(Qt::black);
    return TRUE;
}

BOOL CBitmap::LoadBitmap(int resource)
{
    const QImage image = LoadResourceImage(ResourceKind::Bitmap, resource);
    if (image.isNull())
        return FALSE;
    DeleteObject();
    // Transparent parts of a picture come out white, as in a bitmap resource.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    m_image = std::make_unique<BitmapImage>(opaque);
    return TRUE;
}

BOOL CBitmap::DeleteObject()
{
    if (m_selectedInto)
        m_selectedInto->State().DetachBitmap();
    m_image.reset();
    return TRUE;
}

bool CBitmap::IsCreated() const
{
    return m_image != nullptr;
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    if (!m_image || !info)
        return 0;
    info->bmWidth = m_image->width();
    info->bmHeight = m_image->height();
    info->bmWidthBytes = static_cast<int>(m_image->bytesPerLine());
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    return static_cast<int>(sizeof(BITMAP));
}

SIZE CBitmap::GetSize() const
{
    return m_image ? SIZE { m_image->width(), m_image->height() } : SIZE {};
}

std::vector<COLORREF> CBitmap::GetPixels() const
{
    std::vector<COLORREF> pixels;
    if (!m_image)
        return pixels;
    pixels.reserve(static_cast<std::size_t>(m_image->width()) * static_cast<std::size_t>(m_image->height()));
    for (int y = 0; y < m_image->height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(m_image->constScanLine(y));
        for (int x = 0; x < m_image->width(); ++x)
            pixels.push_back(RGB(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
    }
    return pixels;
}

BOOL CBitmap::SetPixels(const std::vector<COLORREF>& pixels)
{
    if (!m_image || pixels.size() != static_cast<std::size_t>(m_image->width()) * static_cast<std::size_t>(m_image->height()))
        return FALSE;
    std::size_t i = 0;
    for (int y = 0; y < m_image->height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image->scanLine(y));
        for (int x = 0; x < m_image->width(); ++x, ++i)
            line[x] = qRgb(GetRValue(pixels[i]), GetGValue(pixels[i]), GetBValue(pixels[i]));
    }
    return TRUE;
}

