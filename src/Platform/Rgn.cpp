#include "Rgn.h"

#include "GdiAccess.h"

#include "QtBridge.h"

#include <QPolygon>
#include <QRegion>

CRgn::CRgn() = default;
CRgn::~CRgn() = default;

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    m_region = std::make_unique<RegionShape>(QRect(left, top, std::max(0, right - left), std::max(0, bottom - top)));
    return TRUE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    m_region = std::make_unique<RegionShape>(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return TRUE;
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    if (!a || (mode != RGN_COPY && !b))
        return RGN_ERROR;
    const QRegion first = GdiAccess::Region(*a);
    const QRegion second = b ? GdiAccess::Region(*b) : QRegion();
    QRegion result;
    switch (mode) {
    case RGN_AND: result = first.intersected(second); break;
    case RGN_OR: result = first.united(second); break;
    case RGN_XOR: result = first.xored(second); break;
    case RGN_DIFF: result = first.subtracted(second); break;
    default: result = first; break;
    }
    GdiAccess::SetRegion(*this, result);
    return result.isEmpty() ? NULLREGION : result.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return m_region && m_region->contains(QPoint(x, y)) ? TRUE : FALSE;
}

BOOL CRgn::DeleteObject()
{
    m_region.reset();
    return TRUE;
}

QRegion GdiAccess::Region(const CRgn& region)
{
    return region.m_region ? QRegion(*region.m_region) : QRegion();
}

void GdiAccess::SetRegion(CRgn& region, const QRegion& shape)
{
    region.m_region = std::make_unique<RegionShape>(shape);
}
