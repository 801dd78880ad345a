#include "CaptionWrap.h"

#include <vector>

namespace {
std::vector<std::u16string> SplitAtSpaces(const std::u16string& text)
{
    std::vector<std::u16string> words;
    std::size_t start = 0;
    while (true) {
        const std::size_t space = text.find(u' ', start);
        words.push_back(text.substr(start, space == std::u16string::npos ? std::u16string::npos : space - start));
        if (space == std::u16string::npos)
            return words;
        start = space + 1;
    }
}
}

WrappedCaption WrapCaption(const std::u16string& caption, int width,
    const std::function<int(const std::u16string&)>& measure)
{
    WrappedCaption wrapped;
    if (caption.empty())
        return wrapped;
    const std::vector<std::u16string> words = SplitAtSpaces(caption);
    const int spaceWidth = measure(u" ");
    wrapped.lines = 1;
    int running = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        wrapped.text += words[i];
        if (i + 1 == words.size())
            break;
        running += measure(words[i]) + spaceWidth;
        if (running + measure(words[i + 1]) > width) {
            wrapped.text += u'\n';
            ++wrapped.lines;
            running = 0;
        } else {
            wrapped.text += u' ';
        }
    }
    return wrapped;
}
