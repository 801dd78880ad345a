#include "TreeFilterEdit.h"

#include <utility>

CTreeFilterEdit::CTreeFilterEdit(std::function<void(UINT key)> onLeave)
    : m_onLeave(std::move(onLeave))
{
}

void CTreeFilterEdit::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_ESCAPE || key == VK_DOWN || key == VK_RETURN)
        m_onLeave(key);
    else
        CEdit::OnKeyDown(key, repeat, flags);
}
