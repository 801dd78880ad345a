#include "SimbolsValidate.h"

#include <cwctype>

namespace {

bool ClassAccepts(char16_t maskChar, char16_t c)
{
    const auto wide = static_cast<std::wint_t>(c);
    switch (maskChar) {
    case u'*':
        return std::iswdigit(wide) != 0;
    case u'#':
        return std::iswalpha(wide) != 0;
    default:
        return false;
    }
}

} // namespace

bool CSimbolsValidate::Check(const std::u16string& text, bool /*typing*/) const
{
    if (text.size() > m_mask.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!ClassAccepts(m_mask[i], text[i]) && text[i] != m_mask[i])
            return false;
    }
    return true;
}
