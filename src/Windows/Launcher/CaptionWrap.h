#pragma once

#include <functional>
#include <string>

struct WrappedCaption
{
    std::u16string text; // words joined by blanks or line feeds
    int lines = 0;
};

// Breaks a caption between words so that each line fits width; measure gives a text's width.
// A word wider than the width still gets a line of its own.
WrappedCaption WrapCaption(const std::u16string& caption, int width,
    const std::function<int(const std::u16string&)>& measure);
