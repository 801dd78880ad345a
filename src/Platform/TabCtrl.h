#pragma once

#include "Wnd.h"

// A tab strip ("SysTabControl32"). A change of tab by the user sends WM_NOTIFY with
// TCN_SELCHANGING to the parent while GetCurSel still gives the old tab (a non-zero result keeps
// it), then TCN_SELCHANGE after the change; SetCurSel notifies nothing.
class CTabCtrl : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertItem(int index, const std::u16string& text);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    BOOL GetItemRect(int index, RECT* rect) const;
};
