#include "DoubleEditDraw.h"

#include "MatchPattern.h"
#include "Text.h"

#include <algorithm>

namespace {
constexpr char16_t kTwoPoints[] = uR"(^\d*\.\d*\.\d*$)";
constexpr char16_t kDecimal[] = uR"(^0$|^0?\.\d*$|^[1-9]\d*\.?\d*$)";
}

CDoubleEditDraw::CDoubleEditDraw(const std::u16string& text, CEditorItem* item)
    : CEditDraw(text.empty() ? u"0" : text, item)
{
}

bool CDoubleEditDraw::IsValidChar(char16_t ch) const
{
    return (ch >= u'0' && ch <= u'9') || ch == u'.';
}

void CDoubleEditDraw::InsertChar(char16_t ch)
{
    const std::u16string candidate = WithSelectionReplacedBy(ch);
    if (MatchPattern(kTwoPoints, candidate))
        return;
    if (HasSelection()) {
        ReplaceSelection(ch, candidate);
    } else if (candidate.size() >= 3 && candidate[0] == u'0' && candidate[2] == u'.' && Text().starts_with(u'0')) {
        const int caret = Caret();
        RemoveRange(0, 1);
        SetCaret(caret - 1);
        CEditDraw::InsertChar(ch);
    } else if (candidate.size() >= 2 && candidate[0] == u'.') {
        CEditDraw::InsertChar(ch);
        const int caret = Caret();
        SetCaret(0);
        InsertAtCaret(u'0');
        SetCaret(caret + 1);
        Relayout();
    } else if (MatchPattern(kDecimal, candidate)) {
        CEditDraw::InsertChar(ch);
    }
}

void CDoubleEditDraw::ReplaceSelection(char16_t ch, const std::u16string& candidate)
{
    // One edit: deleted on its own, the selection would leave a text the field mends (a 0 put
    // in front of a point) before the typed character arrives.
    const bool pointFirst = candidate.starts_with(u'.');
    if (!MatchPattern(kDecimal, pointFirst ? u"0" + candidate : candidate))
        return;
    RemoveSelection();
    if (pointFirst)
        InsertAtCaret(u'0');
    InsertAtCaret(ch);
    Relayout();
}

void CDoubleEditDraw::Delete(const std::u16string& remaining, bool single, int from, int to)
{
    const bool hasPoint = remaining.find(u'.') != std::u16string::npos;
    if (!hasPoint && WToI(remaining) == 0) {
        ResetText(u"0");
        return;
    }
    if (single)
        CEditDraw::DeleteChar(from);
    else
        CEditDraw::DeleteRange(from, to);
    if (!hasPoint && remaining.starts_with(u'0')) {
        std::u16string digits = Text();
        digits.erase(0, digits.find_first_not_of(u'0'));
        ResetText(digits);
    } else if (remaining.starts_with(u'.')) {
        const int caret = Caret();
        SetCaret(0);
        InsertAtCaret(u'0');
        SetCaret(single ? caret + 1 : caret);
    } else if (remaining.find(u'.') >= 2 && remaining.starts_with(u'0')) {
        const int caret = Caret();
        while (Text().size() > 1 && Text()[1] == u'0')
            RemoveRange(0, 1);
        SetCaret(caret - static_cast<int>(remaining.size() - Text().size()));
    }
    Measure();
}

void CDoubleEditDraw::DeleteChar(int index)
{
    if (index < 0 || index >= Count())
        return;
    std::u16string remaining = Text();
    remaining.erase(static_cast<std::size_t>(index), 1);
    Delete(remaining, true, index, index);
}

void CDoubleEditDraw::DeleteRange(int from, int to)
{
    const int low = std::max(std::min(from, to), 0);
    const int high = std::min(std::max(from, to), Count());
    std::u16string remaining = Text();
    remaining.erase(static_cast<std::size_t>(low), static_cast<std::size_t>(std::max(high - low, 0)));
    Delete(remaining, false, from, to);
}
