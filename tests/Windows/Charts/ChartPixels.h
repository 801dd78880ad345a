#pragma once

#include "UiTest.h"

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
