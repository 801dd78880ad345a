#include "Wnd.h"

#include "NativeWindow.h"

#include <algorithm>

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    CWnd* control = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    if (m_native || !control || control == this)
        return FALSE;
    // The native window changes hands; the object that made it stays, without a window.
    m_native = std::move(control->m_native);
    m_native->owner = this;
    auto& siblings = parent->Native()->children;
    std::replace(siblings.begin(), siblings.end(), control, this);
    for (CWnd* child : m_native->children)
        child->Native()->parent = this;
    return TRUE;
}
