#include "CommonControl.h"

void CCommonControl::ForwardKey(UINT key, CWnd* parent)
{
    if (key == VK_TAB)
        SendMessage(parent, WM_COMMON_TAB, 0, reinterpret_cast<LPARAM>(this));
    else
        PostMessage(parent, WM_COMMON_KEY, 0, 0);
}
