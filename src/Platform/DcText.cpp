#include "Dc.h"

#include "DcState.h"
#include "QtBridge.h"

#include <QFontMetrics>

#include <functional>
#include <vector>

namespace {
using Measure = std::function<int(const QString&)>;

// A line as it shows: its characters and those of them that are underlined.
struct ShownLine
{
    QString text;
    std::vector<int> underlined;
};

// The line without its mnemonic prefixes: "&&" shows one "&" and "&x" an underlined x; a last
// "&" has nothing to mark and shows.
ShownLine WithoutPrefixes(const QString& line)
{
    ShownLine shown;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('&') && i + 1 < line.size()) {
            ++i;
            if (line[i] != QLatin1Char('&'))
                shown.underlined.push_back(static_cast<int>(shown.text.size()));
        }
        shown.text += line[i];
    }
    return shown;
}

// Breaks one paragraph into lines no wider than the width, at blanks; a word wider than the
// width stays whole on its own line.
void BreakParagraph(const QString& paragraph, const Measure& measure, int width, std::vector<QString>& lines)
{
    const QStringList words = paragraph.split(QLatin1Char(' '));
    QString line;
    bool lineHasWord = false;
    for (const QString& word : words) {
        const QString candidate = lineHasWord ? line + QLatin1Char(' ') + word : word;
        if (lineHasWord && measure(candidate) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        lineHasWord = true;
    }
    lines.push_back(line);
}

std::vector<QString> LayoutLines(const QString& text, UINT format, const Measure& measure, int width)
{
    std::vector<QString> lines;
    if (format & DT_SINGLELINE) {
        QString line = text;
        line.remove(QLatin1Char('\r'));
        line.remove(QLatin1Char('\n'));
        lines.push_back(line);
        return lines;
    }
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
        if (format & DT_WORDBREAK)
            BreakParagraph(paragraph, measure, width, lines);
        else
            lines.push_back(paragraph);
    }
    return lines;
}

// The lines as they show: prefixes taken out (unless DT_NOPREFIX), a single line elided.
std::vector<ShownLine> ShownLines(const QString& text, UINT format, const QFontMetrics& metrics, int width)
{
    const bool prefixes = !(format & DT_NOPREFIX);
    const Measure measure = [&](const QString& line) {
        return metrics.horizontalAdvance(prefixes ? WithoutPrefixes(line).text : line);
    };
    std::vector<ShownLine> shown;
    for (const QString& line : LayoutLines(text, format, measure, width))
        shown.push_back(prefixes ? WithoutPrefixes(line) : ShownLine { line, {} });
    if ((format & DT_END_ELLIPSIS) && shown.size() == 1) {
        ShownLine& line = shown.front();
        const QString elided = metrics.elidedText(line.text, Qt::ElideRight, width);
        if (elided != line.text) {
            // The ellipsis replaces the end of the line, with any mark there.
            const int kept = static_cast<int>(elided.size()) - 1;
            std::erase_if(line.underlined, [kept](int index) { return index >= kept; });
            line.text = elided;
        }
    }
    return shown;
}
}

int CDC::DrawText(const std::u16string& text, RECT* rect, UINT format)
{
    const QFontMetrics metrics(m_state->qfont);
    const int width = rect->right - rect->left;
    const std::vector<ShownLine> lines = ShownLines(ToQString(text), format, metrics, width);
    const int lineHeight = metrics.height();
    const int totalHeight = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const ShownLine& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + totalHeight;
        return totalHeight;
    }
    QPainter* painter = m_state->Painter();
    if (!painter)
        return totalHeight;
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rect->bottom - lineHeight;
    }
    painter->save();
    if (!(format & DT_NOCLIP))
        painter->setClipRect(ToQRect(*rect), painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter->setFont(m_state->qfont);
    const QColor color = ToQColor(m_state->textColor);
    painter->setPen(color);
    for (const ShownLine& line : lines) {
        const int lineWidth = metrics.horizontalAdvance(line.text);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (width - lineWidth) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - lineWidth;
        if (m_state->bkMode == OPAQUE)
            painter->fillRect(QRect(x, y, lineWidth, lineHeight), ToQColor(m_state->bkColor));
        const int baseline = y + metrics.ascent();
        painter->drawText(QPoint(x, baseline), line.text);
        for (int index : line.underlined) {
            const int left = x + metrics.horizontalAdvance(line.text.left(index));
            painter->fillRect(QRect(left, baseline + metrics.underlinePos(),
                metrics.horizontalAdvance(line.text.mid(index, 1)), std::max(1, metrics.lineWidth())), color);
        }
        y += lineHeight;
    }
    painter->restore();
    return totalHeight;
}

CSize CDC::GetTextExtent(const std::u16string& text) const
{
    const QFontMetrics metrics(m_state->qfont);
    return CSize(metrics.horizontalAdvance(ToQString(text)), metrics.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const
{
    const QFontMetrics font(m_state->qfont);
    metrics->tmHeight = font.height();
    metrics->tmAscent = font.ascent();
    metrics->tmDescent = font.descent();
    metrics->tmInternalLeading = font.height() - m_state->qfont.pixelSize();
    metrics->tmExternalLeading = font.leading();
    metrics->tmAveCharWidth = font.averageCharWidth();
    metrics->tmMaxCharWidth = font.maxWidth();
    return TRUE;
}
