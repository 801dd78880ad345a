#include "EditControl.h"

#include "MakeValidator.h"

#include <algorithm>
#include <utility>

namespace {
constexpr UINT kBackspace = 8;
constexpr UINT kEnter = 13;
}

CEditControl::CEditControl(std::u16string name, std::u16string value, ControlProperties properties)
    : CControl(std::move(name), std::move(value), std::move(properties))
{
    for (const auto& [key, rule] : Properties())
        if (std::unique_ptr<IValidate> validator = MakeValidator(key, rule))
            m_validators.push_back(std::move(validator));
}

BOOL CEditControl::Create(int x, int y, int width, int height, int style, const std::u16string&, CWnd* parent, UINT id)
{
    if (!CreateEx(WS_EX_CLIENTEDGE, u"EDIT", u"", static_cast<DWORD>(style) | ExtraStyle() | WS_CHILD | WS_VISIBLE,
            CRect(x, y, x + width, y + height), parent, id))
        return FALSE;
    FinishCreate();
    return TRUE;
}

void CEditControl::SetValue(const std::u16string& value)
{
    m_value = value;
    if (IsCreated() && GetWindowText() != value)
        SetWindowText(value);
}

std::u16string CEditControl::Candidate(char16_t ch) const
{
    std::u16string text = GetWindowText();
    int start = 0;
    int end = 0;
    GetSel(start, end);
    start = std::clamp(start, 0, static_cast<int>(text.size()));
    end = std::clamp(end, start, static_cast<int>(text.size()));
    return text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), 1, ch);
}

void CEditControl::Apply(UINT ch, UINT repeat, UINT flags)
{
    CCommonEdit::OnChar(ch, repeat, flags);
    m_value = GetWindowText();
    NotifyChanged();
}

void CEditControl::OnChar(UINT ch, UINT repeat, UINT flags)
{
    if (ch == kBackspace || ch == kEnter || m_validators.empty()) {
        Apply(ch, repeat, flags);
        return;
    }
    const std::u16string candidate = Candidate(static_cast<char16_t>(ch));
    for (const auto& validator : m_validators) {
        if (validator->Check(candidate, true)) {
            Apply(ch, repeat, flags);
            return;
        }
    }
}

void CEditControl::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    CCommonEdit::OnKeyDown(key, repeat, flags);
    if (key == VK_DELETE) {
        m_value = GetWindowText();
        NotifyChanged();
    }
}
