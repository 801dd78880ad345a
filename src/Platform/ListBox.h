#pragma once

#include "Wnd.h"

#include <cstdint>

// A list box ("LISTBOX") with one selection: LBS_SORT keeps the items sorted
// (case-insensitively), LBS_NOTIFY sends LBN_SELCHANGE when the user changes the selected item
// (taking the focus selects nothing) and LBN_DBLCLK for a double click, LBS_OWNERDRAWFIXED has the parent draw every item (WM_DRAWITEM, handed to DrawItem) at the
// height WM_MEASUREITEM (MeasureItem) or SetItemHeight gives.
class CListBox : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(const std::u16string& text);
    int InsertString(int index, const std::u16string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    // In a list box of LBS_MULTIPLESEL: whether the entry is selected, its selection (index -1 for
    // every entry), and how many are selected.
    bool GetSel(int index) const;
    int SetSel(int index, bool select = true);
    int GetSelCount() const;
    int GetText(int index, std::u16string& text) const;
    int GetTextLen(int index) const;
    int FindString(int after, const std::u16string& prefix) const;
    int FindStringExact(int after, const std::u16string& text) const;
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetItemHeight(int index) const;
    int GetItemRect(int index, RECT* rect) const;
    // The item nearest to the client point; `outside` is set when the point is past the items.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;
};
