#pragma once

#include "WinDefs.h"


// Geometry helpers over POINT, SIZE and RECT, as the framework offers them.
class CPoint : public POINT
{
public:
    CPoint() = default;
    CPoint(int px, int py) { x = px; y = py; }
    CPoint(const POINT& p) : POINT(p) {}
    // A point packed in a message parameter (x in the low, y in the high signed word).
    explicit CPoint(LPARAM packed) { x = GET_X_LPARAM(packed); y = GET_Y_LPARAM(packed); }

    CPoint operator+(const POINT& p) const { return CPoint(x + p.x, y + p.y); }
    CPoint operator-(const POINT& p) const { return CPoint(x - p.x, y - p.y); }
    bool operator==(const CPoint& p) const { return x == p.x && y == p.y; }
};

class CSize : public SIZE
{
public:
    CSize() = default;
    CSize(int w, int h) { cx = w; cy = h; }
    CSize(const SIZE& s) : SIZE(s) {}
    bool operator==(const CSize& s) const { return cx == s.cx && cy == s.cy; }
};

class CRect : public RECT
{
public:
    CRect() = default;
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& r) : RECT(r) {}
    CRect(const POINT& topLeft, const SIZE& size)
        : CRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(const POINT& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    bool operator==(const CRect& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
};
