#include "FontHelper.h"

#include "Dc.h"

std::unique_ptr<CFont> CreateFontHelper(bool bold, const std::u16string& face, int height, bool italic, bool underline)
{
    LOGFONTW logFont;
    logFont.lfHeight = height;
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = italic ? 1 : 0;
    logFont.lfUnderline = underline ? 1 : 0;
    logFont.lfCharSet = ANSI_CHARSET;
    for (std::size_t i = 0; i < face.size() && i + 1 < LF_FACESIZE; ++i)
        logFont.lfFaceName[i] = face[i];
    auto font = std::make_unique<CFont>();
    font->CreateFontIndirect(&logFont);
    return font;
}

CSize MeasureText(const std::u16string& text, int width, CFont* font)
{
    CClientDC dc(nullptr);
    if (font)
        dc.SelectObject(font);
    const int lineHeight = dc.GetTextExtent(u" ").cy;
    int widest = 0;
    int height = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(u'\n', start);
        const std::u16string line = text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
        if (width <= 0) {
            widest = std::max(widest, dc.GetTextExtent(line).cx);
            height += lineHeight;
        } else {
            int lines = 1;
            int x = 0;
            std::size_t wordStart = 0;
            while (wordStart <= line.size()) {
                std::size_t wordEnd = line.find(u' ', wordStart);
                if (wordEnd == std::u16string::npos)
                    wordEnd = line.size();
                const int wordWidth = dc.GetTextExtent(line.substr(wordStart, wordEnd - wordStart) + u" ").cx;
                if (x > 0 && x + wordWidth > width) {
                    ++lines;
                    x = 0;
                }
                x += wordWidth;
                wordStart = wordEnd + 1;
            }
            height += lines * lineHeight;
        }
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    return CSize(width <= 0 ? widest : width, height);
}
