#pragma once

#include "GdiObject.h"

#include <memory>
#include <string>

struct FontFace;

struct LOGFONTW
{
    // Above 0: the cell height in pixels (ascent plus descent); below 0: the character height.
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char16_t lfFaceName[LF_FACESIZE] = {};
};

// A font. The faces the program names are mapped to installed ones with close metrics:
// "Arial" to Liberation Sans, "Book Antiqua" to P052, "MS Sans Serif", "Microsoft Sans Serif"
// and "MS Shell Dlg" to a sans face of the same size.
class CFont : public CGdiObject
{
public:
    CFont();
    ~CFont() override;

    BOOL CreateFontIndirect(const LOGFONTW* font);
    int GetLogFont(LOGFONTW* font) const;
    BOOL DeleteObject() override;
    bool IsCreated() const;

private:
    friend struct GdiAccess;
    LOGFONTW m_logFont;
    std::unique_ptr<FontFace> m_font;
};
