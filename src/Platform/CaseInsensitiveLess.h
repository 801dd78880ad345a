#pragma once

#include "Text.h"

#include <algorithm>
#include <string>

// Orders names without regard to case, as settings pages and the queen pages compare them.
struct CaseInsensitiveLess
{
    bool operator()(const std::u16string& a, const std::u16string& b) const
    {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
            [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
    }
};
