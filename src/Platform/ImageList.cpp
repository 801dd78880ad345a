#include "ImageList.h"

#include "Bitmap.h"
#include "ImageListImages.h"
#include "GdiAccess.h"
#include "QtBridge.h"

CImageList::CImageList() = default;
CImageList::~CImageList() = default;

BOOL CImageList::Create(int width, int height, UINT flags, int, int)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    m_images = std::make_unique<ImageListImages>();
    m_images->size = QSize(width, height);
    m_images->masked = (flags & ILC_MASK) != 0;
    return TRUE;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask)
{
    if (!m_images || !bitmap || !bitmap->IsCreated())
        return -1;
    const QImage& strip = GdiAccess::Image(*bitmap);
    const int first = static_cast<int>(m_images->images.size());
    const QRgb key = ToQColor(mask).rgb() & 0xFFFFFF;
    for (int x = 0; x + m_images->size.width() <= strip.width(); x += m_images->size.width()) {
        QImage image = strip.copy(x, 0, m_images->size.width(), m_images->size.height()).convertToFormat(QImage::Format_ARGB32);
        if (m_images->masked) {
            for (int row = 0; row < image.height(); ++row) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
                for (int column = 0; column < image.width(); ++column) {
                    if ((line[column] & 0xFFFFFF) == key)
                        line[column] = 0;
                }
            }
        }
        m_images->images.push_back(image);
    }
    return static_cast<int>(m_images->images.size()) > first ? first : -1;
}

int CImageList::GetImageCount() const
{
    return m_images ? static_cast<int>(m_images->images.size()) : 0;
}

bool CImageList::IsCreated() const
{
    return m_images != nullptr;
}
