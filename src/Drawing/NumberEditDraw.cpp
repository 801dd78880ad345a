#include "NumberEditDraw.h"

#include "MessageBox.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr std::size_t kMaxDigits = 9;
}

CNumberEditDraw::CNumberEditDraw(const std::u16string& text, CEditorItem* item)
    : CEditDraw(text.empty() ? u"0" : text, item)
{
}

bool CNumberEditDraw::IsValidChar(char16_t ch) const
{
    return ch >= u'0' && ch <= u'9';
}

void CNumberEditDraw::InsertChar(char16_t ch)
{
    if (Text() == u"0")
        ResetText(u"");
    const std::u16string candidate = WithSelectionReplacedBy(ch);
    if (candidate.size() > kMaxDigits) {
        TellTooLong();
        return;
    }
    if (ch == u'0' && !Text().empty() && (SelectionStart() == 0 || SelectionEnd() == 0))
        return;
    // The selection goes as part of this edit: deleted on its own, an emptied field would be
    // refilled with a 0 that the typed digit then follows.
    RemoveSelection();
    CEditDraw::InsertChar(ch);
    m_toldTooLong = false;
}

void CNumberEditDraw::TellTooLong()
{
    // A pasted number refuses digit after digit; once is enough.
    if (m_toldTooLong)
        return;
    m_toldTooLong = true;
    AfxMessageBox(Tr(StringId::NumberTooLong), MB_OK | MB_ICONWARNING);
}

bool CNumberEditDraw::KeepsANumber(const std::u16string& remaining)
{
    if (WToI(remaining) != 0)
        return true;
    ResetText(u"0");
    return false;
}

void CNumberEditDraw::DeleteChar(int index)
{
    if (index < 0 || index >= Count())
        return;
    std::u16string remaining = Text();
    remaining.erase(static_cast<std::size_t>(index), 1);
    m_toldTooLong = false;
    if (KeepsANumber(remaining))
        CEditDraw::DeleteChar(index);
}

void CNumberEditDraw::DeleteRange(int from, int to)
{
    const int low = std::max(std::min(from, to), 0);
    const int high = std::min(std::max(from, to), Count());
    std::u16string remaining = Text();
    remaining.erase(static_cast<std::size_t>(low), static_cast<std::size_t>(std::max(high - low, 0)));
    m_toldTooLong = false;
    if (KeepsANumber(remaining))
        CEditDraw::DeleteRange(from, to);
}
