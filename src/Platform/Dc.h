#pragma once

#include "Cursor.h"
#include "GdiDefs.h"
#include "Rect.h"

#include <memory>
#include <string>

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;
class CRgn;
class CWnd;
class DcState;

struct TEXTMETRIC
{
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
};

// A device context: the drawing calls of the desktop over a Qt painter, with the same pixel
// rules (right and bottom edges excluded, lines without their last pixel, one-pixel pens drawn
// exactly). A memory context (CreateCompatibleDC) draws into the bitmap selected into it.
class CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* dc);

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int object);
    CFont* GetCurrentFont() const;

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);

    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    void FillRect(const RECT* rect, CBrush* brush);
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void FrameRect(const RECT* rect, CBrush* brush);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const RECT* rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const RECT* rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Polygon(const POINT* points, int count);
    BOOL Polyline(const POINT* points, int count);
    BOOL FillRgn(CRgn* region, CBrush* brush);
    COLORREF GetPixel(int x, int y) const;

    // Formats: DT_LEFT / DT_CENTER / DT_RIGHT, DT_TOP / DT_VCENTER / DT_BOTTOM (single line),
    // DT_SINGLELINE, DT_WORDBREAK, DT_CALCRECT, DT_NOCLIP, DT_END_ELLIPSIS. "&" marks a mnemonic:
    // it is not drawn and underlines the next character ("&&" draws one "&"), unless DT_NOPREFIX
    // is given (as for the user's own texts); DT_CALCRECT measures the same way.
    // Returns the height of the text.
    int DrawText(const std::u16string& text, RECT* rect, UINT format);
    CSize GetTextExtent(const std::u16string& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
        int sourceHeight, DWORD rop);
    // Copies the source leaving out its pixels of the transparent colour.
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
        int sourceHeight, COLORREF transparent);
    BOOL DrawIcon(int x, int y, HICON icon);
    // DST_BITMAP with DSS_NORMAL or DSS_DISABLED (the bitmap greyed); a size of 0 uses the bitmap's.
    BOOL DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags, CBrush* brush = nullptr);
    // Push buttons, check boxes and scroll arrows painted as the desktop's controls are.
    BOOL DrawFrameControl(RECT* rect, UINT type, UINT state);
    // The dotted focus frame; drawing it twice removes it.
    void DrawFocusRect(const RECT* rect);

    int IntersectClipRect(int left, int top, int right, int bottom);
    int SaveDC();
    BOOL RestoreDC(int saved);

    // The drawing state; its type is private to the platform layer.
    DcState& State() const { return *m_state; }

private:
    std::unique_ptr<DcState> m_state;
};

// The context of a window's WM_PAINT; constructed in OnPaint. Without a paint in progress it
// draws nothing.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
    RECT m_ps_rcPaint {};
};

// The desktop's context (window null): the one that measures text with its default font.
// For a window, drawing outside its paint does not reach the screen: windows repaint through
// Invalidate, and the context measures only.
class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* window);
};
using CWindowDC = CClientDC;
