#pragma once

#include "GdiObject.h"

#include <memory>

struct RegionShape;

// A region: a set of pixels (right and bottom edges excluded, as in the drawing calls).
class CRgn : public CGdiObject
{
public:
    CRgn();
    ~CRgn() override;

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    // Combines a and b into this region (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY).
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    BOOL PtInRegion(int x, int y) const;
    BOOL DeleteObject() override;

private:
    friend struct GdiAccess;
    std::unique_ptr<RegionShape> m_region;
};
