#include "EditDoubleControl.h"

#include "Clipboard.h"

#include <algorithm>

namespace {
constexpr UINT kPaste = 22;
constexpr UINT kBackspace = 8;
constexpr UINT kEnter = 13;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
}

bool CEditDoubleControl::Admissible(const std::u16string& candidate) const
{
    if (!std::all_of(candidate.begin(), candidate.end(), [](char16_t c) { return IsDigit(c) || c == u'.'; }))
        return false;
    const std::size_t point = candidate.find(u'.');
    if (point != std::u16string::npos) {
        if (candidate.find(u'.', point + 1) != std::u16string::npos || candidate.size() - point - 1 > 2)
            return false;
    }
    // No leading zero, except for "0" itself and "0." with its decimals.
    return candidate.empty() || candidate[0] != u'0' || candidate == u"0" || candidate.starts_with(u"0.");
}

void CEditDoubleControl::OnChar(UINT ch, UINT repeat, UINT flags)
{
    if (ch == kPaste) {
        std::u16string pasted;
        if (OpenClipboard(this)) {
            pasted = GetClipboardData(CF_TEXT);
            CloseClipboard();
        }
        for (char16_t c : pasted)
            SendMessage(WM_CHAR, c, 0);
        return;
    }
    if (ch == kBackspace || ch == kEnter) {
        CEditControl::OnChar(ch, repeat, flags);
        return;
    }
    const std::u16string text = GetWindowText();
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (text == u"0" && ch != u'.') {
        SetWindowText(u"");
    } else if (text.starts_with(u"0.") && text.size() > 1 && ch >= u'1' && ch <= u'9' && start == 1) {
        SetWindowText(text.substr(1));
        SetSel(0, 0);
    }
    if (Admissible(Candidate(static_cast<char16_t>(ch))))
        CEditControl::OnChar(ch, repeat, flags);
}
