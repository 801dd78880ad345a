#pragma once

#include "GdiObject.h"

#include <memory>
#include <vector>

class CDC;
struct BitmapImage;

struct BITMAP
{
    int bmType = 0;
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
};

// A 32-bit colour bitmap.
class CBitmap : public CGdiObject
{
public:
    CBitmap();
    ~CBitmap() override;

    // A bitmap of that size filled black, as a new compatible bitmap is.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // The bitmap resource of that number at its own size; false (and nothing loaded) when none.
    BOOL LoadBitmap(int resource);
    BOOL DeleteObject() override;
    bool IsCreated() const;

    int GetBitmap(BITMAP* info) const;
    SIZE GetSize() const;
    // The pixels row by row from the top left, as COLORREF.
    std::vector<COLORREF> GetPixels() const;
    // Replaces the pixels (width × height values, row by row); false on a size mismatch.
    BOOL SetPixels(const std::vector<COLORREF>& pixels);

    CDC* SelectedInto() const { return m_selectedInto; }
    void SetSelectedInto(CDC* dc) { m_selectedInto = dc; }

private:
    friend struct GdiAccess;
    std::unique_ptr<BitmapImage> m_image;
    CDC* m_selectedInto = nullptr;
};
