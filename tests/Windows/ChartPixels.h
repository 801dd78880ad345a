#pragma once

#include "UiTest.h"

#include <cstdlib>

// The pixels of the colour inside the place of a grabbed picture.
inline int PixelsIn(const UiTest::Image& image, const RECT& place, COLORREF colour)
{
    int count = 0;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x)
            count += image.At(x, y) == colour ? 1 : 0;
    }
    return count;
}

// The same with a tolerance, for what is drawn smoothed, such as text and round marks.
inline int PixelsNear(const UiTest::Image& image, const RECT& place, COLORREF colour)
{
    int count = 0;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x) {
            const COLORREF pixel = image.At(x, y);
            count += std::abs(GetRValue(pixel) - GetRValue(colour)) < 24 && std::abs(GetGValue(pixel) - GetGValue(colour)) < 24
                    && std::abs(GetBValue(pixel) - GetBValue(colour)) < 24
                ? 1
                : 0;
        }
    }
    return count;
}
