#pragma once

#include "WinDefs.h"

#include <memory>

class CBitmap;
class ImageListImages;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR32 = 0x0020;

// Equal-sized images cut from bitmap strips.
class CImageList
{
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // Cuts the bitmap into images of the list's width, left to right; with ILC_MASK the pixels
    // of the mask colour become transparent. Returns the index of the first image, -1 on failure.
    int Add(CBitmap* bitmap, COLORREF mask);
    int GetImageCount() const;
    bool IsCreated() const;

    // Private to the platform layer.
    const ImageListImages& Images() const { return *m_images; }

private:
    std::unique_ptr<ImageListImages> m_images;
};
