// Whole-text pattern matching with random patterns and texts. The input's first line is the
// pattern, the rest the text (UTF-8, or UTF-16LE after the bytes FF FE).
#include "FuzzInput.h"
#include "MatchPattern.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool HasLoneSurrogate(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            return true;
    }
    return false;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [pattern, text] = SplitFirstLine(DecodeInput(data, size));
    const bool matched = MatchPattern(pattern, text);
    Require(!matched || !text.empty());

    // Any text of whole characters is one match of itself quoted, and of "anything".
    if (!text.empty() && !HasLoneSurrogate(text)) {
        Require(MatchPattern(u"(?s).*", text));
        if (text.find(u"\\E") == std::u16string::npos)
            Require(MatchPattern(u"\\Q" + text + u"\\E", text));
    }
    return 0;
}
