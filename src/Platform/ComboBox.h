#pragma once

#include "Wnd.h"

#include <cstdint>

// A combo box ("COMBOBOX"): CBS_DROPDOWNLIST (choose only) or CBS_DROPDOWN (editable), CBS_SORT
// keeps the entries sorted (case-insensitively). The user's choice sends CBN_SELCHANGE and
// typing in the edit CBN_EDITCHANGE; changes made by the program send nothing. The height given
// at creation is the height of the dropped list; the control itself is one line high.
class CComboBox : public CWnd
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
    // Case-insensitive searches after index `after` (-1: from the first), wrapping around.
    int FindString(int after, const std::u16string& prefix) const;
    int FindStringExact(int after, const std::u16string& text) const;
    int SelectString(int after, const std::u16string& prefix);
    void GetLBText(int index, std::u16string& text) const;
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
};
