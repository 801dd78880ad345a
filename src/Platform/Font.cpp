#include "Font.h"

#include "GdiAccess.h"

#include "QtBridge.h"
#include "Text.h"
#include "WinApp.h"

#include <QFont>
#include <QFontMetrics>

#include <map>
#include <tuple>

namespace {
QString InstalledFace(const std::u16string& face)
{
    struct Mapping
    {
        const char16_t* name;
        const char* installed;
    };
    static const Mapping mappings[] = {
        { u"Arial", "Liberation Sans" },
        { u"Helvetica", "Liberation Sans" },
        { u"Book Antiqua", "P052" },
        { u"MS Sans Serif", "Liberation Sans" },
        { u"Microsoft Sans Serif", "Liberation Sans" },
        { u"MS Shell Dlg", "Liberation Sans" },
        { u"MS Shell Dlg 2", "Liberation Sans" },
        { u"Tahoma", "Liberation Sans" },
        { u"Times New Roman", "Liberation Serif" },
        { u"Courier New", "Liberation Mono" },
    };
    for (const Mapping& mapping : mappings) {
        if (EqualsNoCase(face, mapping.name))
            return QString::fromLatin1(mapping.installed);
    }
    return face.empty() ? QStringLiteral("Liberation Sans") : ToQString(face);
}

// The largest pixel size whose cell (ascent plus descent) fits the height.
int PixelSizeForCell(const QFont& base, int cellHeight)
{
    static std::map<std::tuple<QString, int, bool, int>, int> cache;
    const auto key = std::make_tuple(base.family(), base.weight(), base.italic(), cellHeight);
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    QFont font = base;
    int size = cellHeight;
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
    cache.emplace(key, size);
    return size;
}
}

QFont MakeQFont(const LOGFONTW& logFont)
{
    EnsureToolkit();
    std::u16string face;
    for (int i = 0; i < LF_FACESIZE && logFont.lfFaceName[i]; ++i)
        face += logFont.lfFaceName[i];
    QFont font(InstalledFace(face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(logFont.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    font.setKerning(false);
    if (logFont.lfHeight < 0)
        font.setPixelSize(-logFont.lfHeight);
    else
        font.setPixelSize(PixelSizeForCell(font, logFont.lfHeight > 0 ? logFont.lfHeight : 16));
    return font;
}

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONTW* font)
{
    if (!font)
        return FALSE;
    m_logFont = *font;
    m_font = std::make_unique<FontFace>(MakeQFont(*font));
    return TRUE;
}

int CFont::GetLogFont(LOGFONTW* font) const
{
    if (!m_font || !font)
        return 0;
    *font = m_logFont;
    return static_cast<int>(sizeof(LOGFONTW));
}

BOOL CFont::DeleteObject()
{
    m_font.reset();
    return TRUE;
}

bool CFont::IsCreated() const
{
    return m_font != nullptr;
}

QFont GdiAccess::Font(const CFont& font)
{
    return font.m_font ? QFont(*font.m_font) : QFont();
}
